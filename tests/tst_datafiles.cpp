// The data files: the saved record written and read back, and every data file read safely,
// whatever it holds.
#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/savereginfo.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// tests/data/RegData/RegInfo.xml: text that XML must escape, letters beyond ASCII, and some
// empty fields.
const QString sampleFile = KVB_TEST_DATA_DIR "/RegData/RegInfo.xml";

bool save(ReadRegInfo &record)
{
    return SaveRegInfo(record.firstPageRecord(), record.secondPageRecord()).save();
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

bool write(const QString &fileName, const QByteArray &data)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray nested(int levels)
{
    return QByteArray("<e>").repeated(levels) + QByteArray("</e>").repeated(levels);
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savedAsReadForItsOwnerOnly();
    void readsWhatItFinds();
    void fullDiskKeepsThePreviousFile();
    void readsSafely_data();
    void readsSafely();

private:
    QString regData() const { return DataFolder::filePath("RegData/"); }
    QString regInfo() const { return DataFolder::filePath("RegData/RegInfo.xml"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ReadRegInfo> m_sample;
};

// Each test starts with the sample record read, and an empty RegData folder of its own.
void TestDataFiles::init()
{
    DataFolder::setPath(KVB_TEST_DATA_DIR "/");
    m_sample = std::make_unique<ReadRegInfo>();
    m_dir = std::make_unique<QTemporaryDir>();
    DataFolder::setPath(m_dir->filePath("Tarn/CustomData/"));
    QVERIFY(QDir().mkpath(regData()));
}

// The record is written as it was read, and only its owner may read it, whatever the file mask,
// even when the file it replaces was readable by others.
void TestDataFiles::savedAsReadForItsOwnerOnly()
{
    const mode_t previousMask = umask(0);
    const auto restoreMask = qScopeGuard([previousMask] { umask(previousMask); });
    QVERIFY(write(regInfo(), "readable by others"));
    QVERIFY(save(*m_sample));
    QCOMPARE(contents(regInfo()), contents(sampleFile));
    QCOMPARE(QFile::permissions(regInfo()),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(QDir(regData()).entryList(QDir::Files | QDir::Hidden), QStringList {"RegInfo.xml"});

    // A character that XML cannot hold, pasted into the first field, is dropped, and costs none
    // of the later fields.
    m_sample->firstPageRecord()->firstName
        = QString("A\x01n\x1f\uFFFEn\uFFFF\u00e9\U0001F600") + QChar(0xD800) + '\r';
    QVERIFY(save(*m_sample));
    ReadRegInfo pasted;
    QCOMPARE(pasted.firstPageRecord()->firstName, QString("Ann\u00e9\U0001F600\r"));
    QCOMPARE(pasted.secondPageRecord()->tarnPartnerSpecial, QString("Ω 'O' 25"));
}

// tests/data/edited/RegData/RegInfo.xml, edited by hand.
void TestDataFiles::readsWhatItFinds()
{
    DataFolder::setPath(KVB_TEST_DATA_DIR "/edited/");
    ReadRegInfo edited;
    const FirstPageRecord &page = *edited.firstPageRecord();
    QCOMPARE(QStringList({page.firstName, page.city, page.title, page.zip, page.company, page.state,
                 page.department, edited.secondPageRecord()->tarnSpecial}),
        QStringList({"", "Oslo", "", " 01 50 ", "A & B", "Tromsø", "<9008>", "1"}));
}

// A few KiB are left on the disk: the new file starts, and cannot be finished. The previous file
// stays whole, as it would if the save were killed before it put the new file in place.
void TestDataFiles::fullDiskKeepsThePreviousFile()
{
    const QString disk = m_dir->filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}))
        QSKIP("Mounting a small tmpfs needs root; the full disk is not tried.");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {disk}); });
    DataFolder::setPath(disk + '/');
    QVERIFY(QDir().mkpath(regData()) && save(*m_sample));
    QVERIFY(QFile::copy(regInfo(), regInfo() + ".backup"));
    QFile filler(disk + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) { }
    QVERIFY(filler.resize(filler.size() - 8192));

    m_sample->firstPageRecord()->company = QString(30000, 'x');
    QVERIFY(!save(*m_sample));
    QCOMPARE(contents(regInfo()), contents(sampleFile));
    // Neither this save nor the next touches the user's own copy beside the record, named like
    // a temporary file.
    QCOMPARE(QDir(regData()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"RegInfo.xml", "RegInfo.xml.backup"}));
    QVERIFY(filler.remove() && save(*m_sample));
    QCOMPARE(contents(regInfo() + ".backup"), contents(sampleFile));
}

void TestDataFiles::readsSafely_data()
{
    QTest::addColumn<QByteArray>("content"); // a fixture's name, or the content itself
    QTest::addColumn<QStringList>("values"); // the record's city, the regions, the resellers

    // A saved record, a country catalogue and a reseller catalogue in one document, so that one
    // file serves as all three; the hostile parts come after it.
    const QByteArray usable = "<Data><FirstRegPage><City>Oslo</City></FirstRegPage>"
                              "<Country LongName='Norway' ShortName='NO'><State>"
                              "<LongName Short='03'>Oslo</LongName></State></Country>"
                              "<Reseller ID='1'>Nordic Soft</Reseller>";
    const QStringList all {"Oslo", "Norway|Oslo|03", "Nordic Soft"};
    const QStringList none {""};
    QTest::newRow("usable") << usable + "</Data>" << all;
    QTest::newRow("truncated: the part before the break is kept")
        << QByteArray("truncated.xml") << QStringList {"Oslo"};
    QTest::newRow("entity-expansion bomb") << QByteArray("entity-bomb.xml") << none;
    QTest::newRow("external entities are not fetched") << QByteArray("external-entity.xml") << all;
    // Within <Data>: 32 levels are allowed.
    QTest::newRow("deepest allowed") << usable + nested(31) + "</Data>" << all;
    QTest::newRow("one level too deep") << usable + nested(32) + "</Data>" << none;
    QTest::newRow("one level too deep, with a document type declaration")
        << "<!DOCTYPE Data [<!ENTITY x 'y'>]>" + usable + nested(32) + "</Data>" << none;
    QTest::newRow("a million elements") << usable + QByteArray("<e/>").repeated(1000000) << none;
    QTest::newRow("100,000 attributes on one element")
        << usable + "<e" + QByteArray(" a='v'").repeated(100000) + "/>" << none;
    QTest::newRow("50 MB") << usable + "<!--" + QByteArray(50 * 1000 * 1000, '-') + " -->" << none;
    QTest::newRow("a named pipe that nobody writes") << QByteArray("(pipe)") << none;
    QTest::newRow("an endless device") << QByteArray("(device)") << none;
}

// One file, named as each of the three; a pipe or a device counts as missing.
void TestDataFiles::readsSafely()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, values);

    const QString hostile = m_dir->filePath("hostile");
    if (content == "(pipe)")
        QCOMPARE(mkfifo(QFile::encodeName(hostile).constData(), 0600), 0);
    else if (content == "(device)")
        QVERIFY(QFile::link("/dev/zero", hostile));
    else
        QVERIFY(write(hostile,
            content.startsWith('<') ? content : contents(KVB_TEST_DATA_DIR "/hostile/" + content)));
    for (const char *name : {"RegInfo.xml", "RegMaster.xml", "RegReseller.xml"})
        QVERIFY(QFile::link(hostile, regData() + name));

    ReadRegInfo record;
    QStringList read {record.firstPageRecord()->city};
    const XMLRegStruct countries;
    for (const RegionEntry *region : countries.regions())
        read << region->country->longName + '|' + region->longName + '|' + region->shortCode;
    read << XMLResellerStruct().resellerNames();
    QCOMPARE(read, values);
    QCOMPARE(record.recordFound(), !content.startsWith('('));
    // external-entity.xml names /etc/passwd.
    QVERIFY(!read.join('\n').contains("root:"));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
