#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/savereginfo.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every field of a page as "Element=value", leaving out empty ones.
template <typename Page> QStringList filledFields(const Page &page)
{
    QStringList list;
    for (const auto &field : Page::fields) {
        if (!(page.*field.value).isEmpty())
            list << QLatin1String(field.element) + '=' + page.*field.value;
    }
    return list;
}

QStringList readBack(bool *found = nullptr)
{
    ReadRegInfo reader;
    if (found)
        *found = reader.recordFound();
    return filledFields(*reader.firstPageRecord()) + filledFields(*reader.secondPageRecord());
}

// A record with text that XML must escape and letters beyond ASCII, and
// every fourth field set to empty.
RegistrationRecord sampleRecord(const QString &empty = QString())
{
    RegistrationRecord record;
    int number = 0;
    for (const auto &field : FirstPageRecord::fields)
        record.firstPage.*field.value
            = ++number % 4 ? QString("\"Zoë\" & <%1>").arg(number) : empty;
    for (const auto &field : SecondPageRecord::fields)
        record.secondPage.*field.value = ++number % 4 ? QString("Ω 'O' %1").arg(number) : empty;
    return record;
}

bool save(const RegistrationRecord &record)
{
    return SaveRegInfo(&record.firstPage, &record.secondPage).save();
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestRegInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveReplacesThePreviousRecord();
    void readsWhatItFinds();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();
    void killedSaveKeepsThePreviousFile_data();
    void killedSaveKeepsThePreviousFile();

private:
    QString regData() const { return DataFolder::filePath("RegData"); }
    QString regInfo() const { return DataFolder::filePath("RegData/RegInfo.xml"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRegInfo::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    DataFolder::setPath(m_dir->filePath("Tarn/CustomData/"));
    QVERIFY(QDir().mkpath(regData()));
}

// The record holds personal data: only its owner may read it, whatever the
// file mask, and even when the file it replaces was readable by others.
void TestRegInfo::saveReplacesThePreviousRecord()
{
    const mode_t previousMask = umask(0);
    const auto restoreMask = qScopeGuard([previousMask] { umask(previousMask); });
    const auto ownerOnly
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    QVERIFY(save(sampleRecord("filled before")));
    QCOMPARE(QFile::permissions(regInfo()), ownerOnly);
    QVERIFY(QFile::setPermissions(regInfo(), ownerOnly | QFile::ReadOther));

    const RegistrationRecord record = sampleRecord();
    QVERIFY(save(record));
    QCOMPARE(contents(regInfo()), contents(KVB_TEST_DATA_DIR "/reginfo.xml"));
    QCOMPARE(QFile::permissions(regInfo()), ownerOnly);
    QCOMPARE(readBack(), filledFields(record.firstPage) + filledFields(record.secondPage));
    QCOMPARE(entries(regData()), QStringList {"RegInfo.xml"});

    // A character that XML cannot hold, pasted into the first field, is
    // dropped, and costs none of the later fields.
    RegistrationRecord pasted = sampleRecord();
    pasted.firstPage.firstName
        = QString("A\x01n\x1f\uFFFEn\uFFFF\u00e9\U0001F600") + QChar(0xD800) + '\r';
    QVERIFY(save(pasted));
    pasted.firstPage.firstName = QString("Ann\u00e9\U0001F600\r");
    QCOMPARE(readBack(), filledFields(pasted.firstPage) + filledFields(pasted.secondPage));
}

// A record edited by hand: another document element, the pages in another
// order, unknown elements, repeated elements and pages (the first one
// counts), references, CDATA, white space, and a broken end.
void TestRegInfo::readsWhatItFinds()
{
    const QByteArray edited
        = "<R><Note/><SecondRegPage><X>y</X><TarnSpecial>1</TarnSpecial></SecondRegPage>\r\n"
          "<FirstRegPage>\r\n <City>Oslo</City><City>Bergen</City><Title>  </Title>\r\n"
          " <Zip> 01 50 </Zip><Company>A &amp; B</Company><State>Troms&#248;</State>"
          "<Department><![CDATA[<9008>]]></Department></FirstRegPage>"
          "<FirstRegPage><FirstName>Ann</FirstName></FirstRegPage><Second<<";
    QFile file(regInfo());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(edited) == edited.size());
    file.close();
    bool found = false;
    QCOMPARE(readBack(&found),
        QStringList({"Company=A & B", "Department=<9008>", "City=Oslo", "State=Tromsø",
            "Zip= 01 50 ", "TarnSpecial=1"}));
    QVERIFY(found);

    // Without the file, and without the RegData folder, nothing is read;
    // nor does a save create the folder.
    QVERIFY(file.remove());
    QCOMPARE(readBack(&found), QStringList());
    QVERIFY(!found);
    QVERIFY(QDir(regData()).removeRecursively());
    QCOMPARE(readBack(&found), QStringList());
    QVERIFY(!found);
    QVERIFY(!save(sampleRecord()));
    QVERIFY(!QFileInfo::exists(regData()));
}

void TestRegInfo::failedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<qint64>("bytesLeft");

    QTest::newRow("disk full with a few KiB left") << true << qint64(8192);
    QTest::newRow("disk full with nothing left") << true << qint64(0);
    QTest::newRow("target replaced by a folder") << false << qint64(0);
}

void TestRegInfo::failedSaveKeepsThePreviousFile()
{
    QFETCH(bool, fullDisk);
    QFETCH(qint64, bytesLeft);

    const QString disk = m_dir->filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    if (fullDisk && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}))
        QSKIP("Mounting a small tmpfs needs root; the full disk is not tried.");
    const auto unmount = qScopeGuard([&] {
        if (fullDisk)
            QProcess::execute("umount", {disk});
    });
    DataFolder::setPath(disk + "/Tarn/CustomData/");
    QVERIFY(QDir().mkpath(regData()));
    QVERIFY(save(sampleRecord()));
    const QByteArray previous = contents(regInfo());

    QString target = regInfo();
    if (fullDisk) {
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) == 4096) { }
        QVERIFY(filler.resize(filler.size() - bytesLeft));
        QCOMPARE(QStorageInfo(disk).bytesAvailable(), bytesLeft);
    } else {
        target = regData() + "/RegInfo.xml/kept.xml";
        QVERIFY(QFile::rename(regInfo(), regData() + "/kept.xml"));
        QVERIFY(QDir().mkpath(regInfo()));
        QVERIFY(QFile::rename(regData() + "/kept.xml", target));
    }

    RegistrationRecord larger = sampleRecord();
    larger.firstPage.company = QString(30000, 'x');
    QVERIFY(!save(larger));
    QCOMPARE(contents(target), previous);
    QCOMPARE(entries(regData()), QStringList {"RegInfo.xml"});
}

void TestRegInfo::killedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<QByteArray>("step");
    QTest::addColumn<bool>("unnamedFiles");

    QTest::newRow("unnamed file, killed before writing") << QByteArray("write") << true;
    QTest::newRow("unnamed file, killed before naming it") << QByteArray("linkat") << true;
    QTest::newRow("unnamed file, killed before renaming it") << QByteArray("rename") << true;
    QTest::newRow("named file, killed before writing") << QByteArray("write") << false;
    QTest::newRow("named file, killed before renaming it") << QByteArray("rename") << false;
}

// A save killed at any step leaves the previous record whole, and neither it
// nor the next save touches the user's own copy beside it, even one named
// like a temporary file.
void TestRegInfo::killedSaveKeepsThePreviousFile()
{
    QFETCH(QByteArray, step);
    QFETCH(bool, unnamedFiles);

    const int unnamed = ::open(QFile::encodeName(regData()).constData(), O_TMPFILE | O_RDWR, 0600);
    if (unnamed >= 0)
        ::close(unnamed);
    else if (unnamedFiles)
        QSKIP("This file system has no unnamed temporary files.");

    QVERIFY(save(sampleRecord()));
    const QByteArray previous = contents(regInfo());
    const QString backup = regInfo() + ".backup";
    QVERIFY(QFile::copy(regInfo(), backup));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", KVB_KILL_AT_STEP);
    environment.insert("KVB_KILL_AT", step);
    if (!unnamedFiles)
        environment.insert("KVB_NO_UNNAMED_FILES", "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--save-into", DataFolder::path()});
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(contents(regInfo()), previous);

    QVERIFY(save(sampleRecord("saved again")));
    QCOMPARE(contents(backup), previous);
    QCOMPARE(readBack(),
        filledFields(sampleRecord("saved again").firstPage)
            + filledFields(sampleRecord("saved again").secondPage));
}

int main(int argc, char *argv[])
{
    // Child mode: one save into the data folder given, for the test above to kill.
    if (argc == 3 && qstrcmp(argv[1], "--save-into") == 0) {
        DataFolder::setPath(QString::fromLocal8Bit(argv[2]));
        RegistrationRecord record;
        record.firstPage.firstName = "Child";
        return save(record) ? 0 : 1;
    }
    QCoreApplication application(argc, argv);
    TestRegInfo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reginfo.moc"
