// The data files: where they are, the saved record written and read back, every data file read
// safely whatever it holds, and only folders that the user controls trusted with the record.
#include "regdata/datafolder.h"
#include "regdata/presets.h"
#include "regdata/readreginfo.h"
#include "regdata/registrationnote.h"
#include "regdata/savereginfo.h"
#include "regdata/xmlfile.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"
#include "support/environment.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// tests/data/RegData/RegInfo.xml: text that XML must escape, letters beyond ASCII, and some
// empty fields.
const QString sampleFile = KVB_TEST_DATA_DIR "/RegData/RegInfo.xml";

bool save(const RegistrationRecord &record)
{
    return SaveRegInfo(&record.firstPage, &record.secondPage).save();
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

// A document type that declares one entity of 4,000 characters, and a reference to it
// 100,000 times: 300 KB that a parser expands to 400 million characters.
const QByteArray wideEntity = "<!DOCTYPE Data [<!ENTITY w '" + QByteArray(4000, 'w') + "'>]>";
const QByteArray wideReferences = QByteArray("&w;").repeated(100000);

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savedForItsOwnerOnlyInPlaceOfWhatStoodThere_data();
    void savedForItsOwnerOnlyInPlaceOfWhatStoodThere();
    void charactersXmlCannotHoldAreDropped();
    void readsWhatItFinds();
    void fullDiskKeepsThePreviousFile();
    void readsSafely_data();
    void readsSafely();
    void boundedValues_data();
    void boundedValues();
    void onlyFoldersOfItsOwnAreTrusted_data();
    void onlyFoldersOfItsOwnAreTrusted();
    void dataFolders_data();
    void dataFolders();
    void examplePresetsAreTaken();

private:
    RegistrationRecord readFixture(const QString &fileName) const;
    QString regData() const { return DataFolder::filePath("RegData/"); }
    QString regInfo() const { return DataFolder::filePath("RegData/RegInfo.xml"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    RegistrationRecord m_sample;
};

// Each test starts with the sample record read, and an empty RegData folder of its own.
void TestDataFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_sample = readFixture(sampleFile);
    DataFolder::setPath(m_dir->filePath("Tarn/CustomData/"));
    QVERIFY(QDir().mkpath(regData()));
}

// A record of tests/data read from a folder of the test's own, as a file of the user's alone: a
// checkout that others of the user's group may change is no folder to trust with a record.
RegistrationRecord TestDataFiles::readFixture(const QString &fileName) const
{
    const QString folder = m_dir->filePath("fixture/");
    QDir(folder + "RegData").removeRecursively();
    QDir().mkpath(folder + "RegData");
    QFile::copy(fileName, folder + "RegData/RegInfo.xml");
    QFile::setPermissions(folder + "RegData/RegInfo.xml", QFile::ReadOwner | QFile::WriteOwner);
    DataFolder::setPath(folder);
    return ReadRegInfo().record();
}

void TestDataFiles::savedForItsOwnerOnlyInPlaceOfWhatStoodThere_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("beforeTheRead");

    QTest::newRow("a file readable by others") << false << true;
    QTest::newRow("a link to another file, planted before the read") << true << true;
    QTest::newRow("a link to another file, swapped in after the read") << true << false;
}

// The record is written as it was read, and only its owner may read it, whatever the file mask.
// Another user who can write the folder may put a link to one of this user's files in the
// record's place: the save replaces the link, and the file it leads to stays as it was.
void TestDataFiles::savedForItsOwnerOnlyInPlaceOfWhatStoodThere()
{
    QFETCH(bool, link);
    QFETCH(bool, beforeTheRead);

    const mode_t previousMask = umask(0);
    const auto restoreMask = qScopeGuard([previousMask] { umask(previousMask); });
    const QString target = m_dir->filePath("bashrc");
    QVERIFY(write(target, "readable by others"));
    const auto plant
        = [&] { QVERIFY(link ? QFile::link(target, regInfo()) : QFile::copy(target, regInfo())); };
    if (beforeTheRead)
        plant();
    ReadRegInfo record;
    if (!beforeTheRead)
        plant();
    QVERIFY(save(m_sample));

    QCOMPARE(contents(target), "readable by others");
    QVERIFY(!QFileInfo(regInfo()).isSymLink());
    QCOMPARE(contents(regInfo()), contents(sampleFile));
    QCOMPARE(QFile::permissions(regInfo()),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(QDir(regData()).entryList(QDir::Files | QDir::Hidden | QDir::System),
        QStringList {"RegInfo.xml"});
}

// A character that XML cannot hold, pasted into the first field, is dropped, and costs none of
// the later fields.
void TestDataFiles::charactersXmlCannotHoldAreDropped()
{
    m_sample.firstPage.firstName
        = QString("A\x01n\x1f\uFFFEn\uFFFF\u00e9\U0001F600") + QChar(0xD800) + '\r';
    QVERIFY(save(m_sample));
    ReadRegInfo pasted;
    QCOMPARE(pasted.firstPageRecord()->firstName, QString("Ann\u00e9\U0001F600\r"));
    QCOMPARE(pasted.secondPageRecord()->tarnPartnerSpecial, QString("Ω 'O' 25"));
}

// tests/data/edited/RegData/RegInfo.xml, edited by hand.
void TestDataFiles::readsWhatItFinds()
{
    const RegistrationRecord edited = readFixture(KVB_TEST_DATA_DIR "/edited/RegData/RegInfo.xml");
    const FirstPageRecord &page = edited.firstPage;
    QCOMPARE(QStringList({page.firstName, page.city, page.title, page.zip, page.company, page.state,
                 page.department, edited.secondPage.tarnSpecial}),
        QStringList({"", "Oslo", "", " 01 50 ", "A & B", "Tromsø", "<9008>", "1"}));
}

// The disk fills up after a few KiB: the new file starts, and cannot be finished. The previous
// file stays whole, as it would if the save were killed before it put the new file in place.
void TestDataFiles::fullDiskKeepsThePreviousFile()
{
    QVERIFY(save(m_sample));
    QVERIFY(QFile::copy(regInfo(), regInfo() + ".backup"));

    // The process may grow no file past 4 KiB: a write beyond fails, as on a full disk.
    m_sample.firstPage.company = QString(30000, 'x');
    rlimit previous {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit full = previous;
    full.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    const bool saved = save(m_sample);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QCOMPARE(contents(regInfo()), contents(sampleFile));
    // Neither this save nor the next touches the user's own copy beside the record, named like
    // a temporary file.
    QCOMPARE(QDir(regData()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"RegInfo.xml", "RegInfo.xml.backup"}));
    QVERIFY(save(m_sample));
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
    QTest::newRow("a document type declaration within")
        << QByteArray(usable).replace("<Reseller", "<!DOCTYPE Data><Reseller") + "</Data>" << none;
    // No entity is declared, however it is written, so none is expanded or fetched.
    QTest::newRow("entity-expansion bomb") << QByteArray("entity-bomb.xml") << none;
    QTest::newRow("external entities") << QByteArray("external-entity.xml") << none;
    const QByteArray wideCity = QByteArray(usable).replace("Oslo<", "Oslo" + wideReferences + '<');
    const QString wide = QString::fromUtf8(wideEntity + wideCity + "</Data>");
    QTest::newRow("one wide entity, in UTF-16")
        << "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2)
        << none;
    // Within <Data>: 32 levels are allowed.
    QTest::newRow("deepest allowed") << usable + nested(31) + "</Data>" << all;
    QTest::newRow("one level too deep") << usable + nested(32) + "</Data>" << none;
    QTest::newRow("a document type declaration without entities")
        << "<!DOCTYPE Data>" + usable + "</Data>" << none;
    QTest::newRow("a million elements") << usable + QByteArray("<e/>").repeated(1000000) << none;
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "='v'";
    QTest::newRow("100,000 attributes on one element") << usable + "<e" + attributes + "/>" << none;
    QTest::newRow("50 MB") << usable + "<!--" + QByteArray(qsizetype(50) * 1000 * 1000, '-')
            + " -->" << none;
    // The same wide entity, its declaration spelt in UTF-7 so that no "<!ENTITY" shows.
    QTest::newRow("a declared encoding that hides markup")
        << "<?xml version='1.0' encoding='UTF-7'?>+ADw-!DOCTYPE Data +AFs-+ADw-!ENTITY w '"
            + QByteArray(4000, 'w') + "'+AD4-+AF0-+AD4-" + wideCity + "</Data>"
        << none;
    // Values longer than any real one are cut, combining marks piled on a letter too.
    const QString marks = "O" + QString(1000000, QChar(0x0301));
    QTest::newRow("a city of 6 million letters, a reseller of a million marks")
        << QByteArray(usable)
                .replace("<City>Oslo", "<City>" + QByteArray(6000000, 'O'))
                .replace(">Nordic Soft", '>' + marks.toUtf8())
            + "</Data>"
        << QStringList {QString(1000, 'O'), "Norway|Oslo|03",
               "O" + QString(XmlFile::MaxCombiningMarks, QChar(0x0301))};
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
            content.contains('<') ? content : contents(KVB_TEST_DATA_DIR "/hostile/" + content)));
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
}

void TestDataFiles::onlyFoldersOfItsOwnAreTrusted_data()
{
    // What is done to the data folder before the start: a shell command run in it, "$1" a folder
    // elsewhere; 65534 is another user.
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("read"); // whether the record and the note are believed
    QTest::addColumn<bool>("saved");

    const auto row = [](const char *name, const QString &change, bool read, bool saved) {
        QTest::newRow(name) << change << read << saved;
    };
    row("the user's own folder", "", true, true);
    row("the user's own link to a record elsewhere",
        "mv RegData/RegInfo.xml \"$1\" && ln -s \"$1/RegInfo.xml\" RegData", true, true);
    row("RegData a link", "mv RegData \"$1\" && ln -s \"$1/RegData\" .", false, false);
    row("RegData writable by all", "chmod 0777 RegData", false, false);
    row("RegData writable by all, sticky", "chmod 1777 RegData", true, true);
    row("a folder above writable by all", "chmod 0777 .", false, false);
    const char *aboveLink = "cd .. && mv CustomData \"$1\" && ln -s \"$1/CustomData\" .";
    row("a link above, the user's own", aboveLink, true, true);
    row("a link above, another user's", QString(aboveLink) + " && chown -h 65534:65534 CustomData",
        false, false);
    row("the record writable by the group", "chmod 0660 RegData/RegInfo.xml", false, true);
    row("the note writable by all", "chmod 0666 RegData/Registered.txt", false, true);
    // Replacing another user's file is not writing into it: the folder is the user's.
    row("the record another user's", "chown 65534:65534 RegData/RegInfo.xml", false, true);
    row("the note another user's", "chown 65534:65534 RegData/Registered.txt", false, true);
}

// The record and the note are read and written only in folders that nobody but the user, or
// root, can change, as ssh treats its keys; files there that another user made are not believed.
void TestDataFiles::onlyFoldersOfItsOwnAreTrusted()
{
    QFETCH(QString, change);
    QFETCH(bool, read);
    QFETCH(bool, saved);

    if (change.contains("chown") && geteuid() != 0)
        QSKIP("Only root can make a file another user's.");
    QVERIFY(save(m_sample));
    QVERIFY(RegistrationNote::write(QDate(1999, 1, 1)));
    const QString elsewhere = m_dir->filePath("elsewhere");
    QVERIFY(QDir().mkdir(elsewhere));
    QProcess shell;
    shell.setWorkingDirectory(DataFolder::path());
    shell.start("/bin/sh", {"-c", "set -e; " + change, "sh", elsewhere});
    QVERIFY(shell.waitForFinished() && shell.exitCode() == 0);

    bool noteRefused = false;
    const ReadRegInfo record;
    const QDate noted = RegistrationNote::read(&noteRefused);
    const bool recordRead = record.record().firstPage.city == m_sample.firstPage.city;
    QCOMPARE(recordRead && noted.isValid(), read);
    QCOMPARE(record.recordRefused() || noteRefused, !read);
    QCOMPARE(save(m_sample), saved);
    // Nothing was written where the link led.
    QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden).size(),
        change.startsWith("mv RegData/") ? 1 : 0);
}

// Each row sets the variables it lists ("@" is a scratch folder) and unsets the others, and puts
// a reseller catalogue into each folder of "catalogueIn". It names the common files folders found
// for the record and the catalogue, and whether a save succeeds.
void TestDataFiles::dataFolders_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("catalogueIn");
    QTest::addColumn<QString>("found");

    using L = QStringList;
    const L xdg {"XDG_DATA_HOME=@/data", "XDG_DATA_DIRS=@/sys1:@/sys2", "HOME=@/home"};
    QTest::newRow("both values: x86 wins, for every file, and is never made")
        << xdg + L {"KVB_COMMON_FILES_DIR_X86=@/x86", "KVB_COMMON_FILES_DIR=@/plain"}
        << L {"@/data", "@/plain"} << "@/x86 | @/x86 | not saved";
    QTest::newRow("x86 empty: the other, beyond Latin-1") << L {"KVB_COMMON_FILES_DIR_X86=",
        "KVB_COMMON_FILES_DIR=@/Ω"} << L {"@/Ω"} << "@/Ω | @/Ω | saved";
    QTest::newRow("neither: the user's own catalogue first")
        << xdg << L {"@/sys1", "@/data"} << "@/data | @/data | saved";
    QTest::newRow("neither: the first system folder that has it")
        << xdg << L {"@/sys2"} << "@/data | @/sys2 | saved";
    QTest::newRow("neither: beside the program")
        << xdg << L() << "@/data | " + QCoreApplication::applicationDirPath() + "/../share | saved";
    QTest::newRow("relative XDG folders ignored, HOME used")
        << L {"XDG_DATA_HOME=data", "XDG_DATA_DIRS=sys1::@/sys2", "HOME=@/home"} << L {"@/sys2"}
        << "@/home/.local/share | @/sys2 | saved";
    QTest::newRow("no absolute home: no record")
        << L {"XDG_DATA_DIRS=@/sys1", "HOME=home"} << L {"@/sys1"} << " | @/sys1 | not saved";
    // tests/data/presets: Tarn/KVB.conf naming /nonexistent/kvb, or a relative folder.
    const QString presets = "XDG_CONFIG_DIRS=" KVB_TEST_DATA_DIR "/presets/";
    QTest::newRow("neither: the preset folder, for every file, and never made") << xdg
            + L {presets + "absolute"} << L() << "/nonexistent/kvb | /nonexistent/kvb | not saved";
    QTest::newRow("a variable before the preset")
        << xdg + L {presets + "absolute", "KVB_COMMON_FILES_DIR=@/plain"} << L()
        << "@/plain | @/plain | not saved";
    QTest::newRow("a relative preset ignored")
        << xdg + L {presets + "relative"} << L {"@/data"} << "@/data | @/data | saved";
}

void TestDataFiles::dataFolders()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, catalogueIn);
    QFETCH(QString, found);

    QTemporaryDir scratch;
    ScopedEnvironment variables;
    for (const char *name : {"KVB_COMMON_FILES_DIR_X86", "KVB_COMMON_FILES_DIR", "XDG_DATA_HOME",
             "XDG_DATA_DIRS", "HOME", "XDG_CONFIG_DIRS"})
        variables.unset(name);
    if (environment.last().endsWith("presets/relative"))
        QTest::ignoreMessage(
            QtWarningMsg, "kvb: [Data] CommonFilesFolder=kvb is not an absolute folder; ignored");
    for (const QString &setting : environment.replaceInStrings("@", scratch.path()))
        variables.set(qPrintable(setting.section('=', 0, 0)), setting.section('=', 1).toUtf8());
    for (const QString &folder : catalogueIn.replaceInStrings("@", scratch.path())) {
        QFile file(folder + "/Tarn/CustomData/RegData/RegReseller.xml");
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
    }

    DataFolder::useSystemFolders();
    const QString record = DataFolder::filePath("RegData");
    const bool existed = QFileInfo::exists(record);
    const bool saved = save(RegistrationRecord());
    const QString catalogue = DataFolder::catalogueFilePath("RegData/RegReseller.xml");
    QString actual = DataFolder::path() + " | " + QFileInfo(catalogue).path()
        + (saved ? " | saved" : " | not saved");
    actual.replace(scratch.path(), "@")
        .remove("/Tarn/CustomData/RegData")
        .remove("/Tarn/CustomData/");
    QCOMPARE(actual, found);
    // A save makes the user's folders it needs, for the owner alone.
    for (QString made = record; saved && !existed && made != scratch.path();
         made = QFileInfo(made).path())
        QCOMPARE(QFileInfo(made).permissions() & (QFile::ReadGroup | QFile::ReadOther),
            QFile::Permissions());
}

// The example presets that the package installs hold nothing that KVB would leave out, with the
// sample catalogues.
void TestDataFiles::examplePresetsAreTaken()
{
    ScopedEnvironment variables;
    variables.set("XDG_CONFIG_DIRS", KVB_EXAMPLE_PRESETS_DIR);
    DataFolder::setPath(KVB_BIN_DIR "/../share/Tarn/CustomData/");
    // Nothing reported, and the file read at all.
    QTest::failOnWarning(QRegularExpression("."));
    QVERIFY(!Presets::defaults().firstPage.company.isEmpty());
    QCOMPARE(Presets::commonFilesFolder(), QString());
}

void TestDataFiles::boundedValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    const QString mark(QChar(0x0301));
    // A combining mark beyond the Basic Multilingual Plane: U+1D167.
    const QString wideMark = QString::fromUcs4(U"\U0001D167");
    QTest::newRow("as long as a value may be") << QString(1000, 'a') << QString(1000, 'a');
    QTest::newRow("one character longer") << QString(1001, 'a') << QString(1000, 'a');
    QTest::newRow("eight marks on a letter") << "e" + mark.repeated(8) + "x"
                                             << "e" + mark.repeated(8) + "x";
    QTest::newRow("nine marks on a letter") << "e" + mark.repeated(9) + "x"
                                            << "e" + mark.repeated(8) + "x";
    QTest::newRow("nine marks of two units each")
        << "e" + wideMark.repeated(9) << "e" + wideMark.repeated(8);
    QTest::newRow("a letter of two units, not cut in two")
        << QString(999, 'a') + QString::fromUcs4(U"\U0001F600") << QString(999, 'a');
}

// A value read from a file keeps at most 1,000 characters, and at most eight combining marks
// after each other.
void TestDataFiles::boundedValues()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(XmlFile::boundedText(text), kept);
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
