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

// Every field of both halves as "Element=value", leaving out empty ones.
QStringList filledFields(const FirstPageRecord &first, const SecondPageRecord &second)
{
    QStringList list;
    for (const auto &field : FirstPageRecord::fields) {
        if (!(first.*field.value).isEmpty())
            list << QLatin1String(field.element) + '=' + first.*field.value;
    }
    for (const auto &field : SecondPageRecord::fields) {
        if (!(second.*field.value).isEmpty())
            list << QLatin1String(field.element) + '=' + second.*field.value;
    }
    return list;
}

QStringList readBack(bool *found = nullptr)
{
    ReadRegInfo reader;
    if (found)
        *found = reader.recordFound();
    return filledFields(*reader.firstPageRecord(), *reader.secondPageRecord());
}

// A record with text that XML must escape, letters beyond ASCII, and an
// empty field every few fields.
RegistrationRecord sampleRecord()
{
    RegistrationRecord record;
    int number = 0;
    for (const auto &field : FirstPageRecord::fields)
        record.firstPage.*field.value = ++number % 4 ? QString("\"Zoë\" & <%1>").arg(number) : "";
    for (const auto &field : SecondPageRecord::fields)
        record.secondPage.*field.value = ++number % 4 ? QString("Ω 'O' %1").arg(number) : "";
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
    void savedRecordReadsBackUnchanged();
    void readerTolerance_data();
    void readerTolerance();
    void nothingSavedYet();
    void saveReplacesThePreviousFile();
    void savedFileIsOwnerOnly_data();
    void savedFileIsOwnerOnly();
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

void TestRegInfo::savedRecordReadsBackUnchanged()
{
    const RegistrationRecord record = sampleRecord();
    QVERIFY(save(record));
    QCOMPARE(contents(regInfo()), contents(KVB_TEST_DATA_DIR "/reginfo.xml"));
    QCOMPARE(readBack(), filledFields(record.firstPage, record.secondPage));
}

void TestRegInfo::readerTolerance_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("any document element")
        << QByteArray("<Saved><FirstRegPage><City>Oslo</City></FirstRegPage>"
                      "<SecondRegPage><PurchaseDay>3</PurchaseDay></SecondRegPage></Saved>")
        << QStringList {"City=Oslo", "PurchaseDay=3"};
    QTest::newRow("any order, unknown elements ignored") << QByteArray(
        "<R><Note/><SecondRegPage><X>y</X><TarnSpecial>1</TarnSpecial>"
        "</SecondRegPage><FirstRegPage><Zip>0150</Zip><City>Oslo</City>"
        "</FirstRegPage></R>") << QStringList {"City=Oslo", "Zip=0150", "TarnSpecial=1"};
    QTest::newRow("first occurrence wins")
        << QByteArray("<R><FirstRegPage><City>Oslo</City><City>Bergen</City></FirstRegPage>"
                      "<FirstRegPage><Zip>5003</Zip></FirstRegPage></R>")
        << QStringList {"City=Oslo"};
    QTest::newRow("white space only reads empty, other text as it stands") << QByteArray(
        "<R>\r\n <FirstRegPage>\r\n  <City>  </City>\r\n  <Zip> 01 50 </Zip>\r\n"
        " </FirstRegPage>\r\n</R>\r\n") << QStringList {"Zip= 01 50 "};
    QTest::newRow("references and CDATA")
        << QByteArray("<R><FirstRegPage><Company>A &amp; B</Company><City>Troms&#248;</City>"
                      "<Zip><![CDATA[<9008>]]></Zip></FirstRegPage></R>")
        << QStringList {"Company=A & B", "City=Tromsø", "Zip=<9008>"};
    QTest::newRow("broken after the first page")
        << QByteArray("<R><FirstRegPage><FirstName>Ann</FirstName></FirstRegPage><Second<<")
        << QStringList {"FirstName=Ann"};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("not XML") << QByteArray("FirstName=Ann\n") << QStringList();
    QTest::newRow("nested too deep to parse") << "<R><FirstRegPage><City>Oslo</City></FirstRegPage>"
            + QByteArray("<a>").repeated(99) + QByteArray("</a>").repeated(99)
            + "</R>" << QStringList();
}

void TestRegInfo::readerTolerance()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);

    QFile regInfoFile(regInfo());
    QVERIFY(regInfoFile.open(QIODevice::WriteOnly));
    regInfoFile.write(file);
    regInfoFile.close();

    bool found = false;
    QCOMPARE(readBack(&found), fields);
    QVERIFY(found);
}

void TestRegInfo::nothingSavedYet()
{
    bool found = true;
    QCOMPARE(readBack(&found), QStringList());
    QVERIFY(!found);

    // Without the RegData folder, nothing is read and nothing is created.
    QVERIFY(QDir(regData()).removeRecursively());
    QCOMPARE(readBack(&found), QStringList());
    QVERIFY(!found);
    QVERIFY(!save(sampleRecord()));
    QVERIFY(!QFileInfo::exists(regData()));
}

void TestRegInfo::saveReplacesThePreviousFile()
{
    RegistrationRecord record = sampleRecord();
    QVERIFY(save(record));

    record.firstPage.firstName.clear();
    record.secondPage.purchaseMonth.clear();
    QVERIFY(save(record));

    QCOMPARE(readBack(), filledFields(record.firstPage, record.secondPage));
    const QByteArray bytes = contents(regInfo());
    QVERIFY(bytes.contains("\n  <FirstName></FirstName>\n"));
    QVERIFY(bytes.contains("\n  <PurchaseMonth></PurchaseMonth>\n"));
    QCOMPARE(entries(regData()), QStringList {"RegInfo.xml"});
}

void TestRegInfo::savedFileIsOwnerOnly_data()
{
    QTest::addColumn<bool>("replacing");

    QTest::newRow("new file, nothing masked") << false;
    QTest::newRow("replacing a file that others may read") << true;
}

// The record holds personal data: only its owner may read it.
void TestRegInfo::savedFileIsOwnerOnly()
{
    QFETCH(bool, replacing);

    if (replacing) {
        QVERIFY(save(sampleRecord()));
        QVERIFY(QFile::setPermissions(regInfo(), QFile::permissions(regInfo()) | QFile::ReadOther));
    }
    const mode_t previousMask = umask(0);
    const bool saved = save(sampleRecord());
    umask(previousMask);
    QVERIFY(saved);
    QCOMPARE(QFile::permissions(regInfo()),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
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
    if (fullDisk) {
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
            QSKIP("Mounting a small tmpfs needs root; the full disk is not tried.");
    }
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
    QTest::newRow("unnamed file, killed before syncing") << QByteArray("fdatasync") << true;
    QTest::newRow("unnamed file, killed before naming it") << QByteArray("linkat") << true;
    QTest::newRow("unnamed file, killed before renaming it") << QByteArray("rename") << true;
    QTest::newRow("named file, killed before writing") << QByteArray("write") << false;
    QTest::newRow("named file, killed before syncing") << QByteArray("fdatasync") << false;
    QTest::newRow("named file, killed before renaming it") << QByteArray("rename") << false;
}

// A save killed at any step leaves the previous record whole, and the next
// save removes what it left behind, but nothing else.
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
    QFile userCopy(regInfo() + ".bak");
    QVERIFY(userCopy.open(QIODevice::WriteOnly) && userCopy.write(previous) == previous.size());
    userCopy.close();

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

    QVERIFY(save(sampleRecord()));
    QCOMPARE(entries(regData()), QStringList({"RegInfo.xml", "RegInfo.xml.bak"}));
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
