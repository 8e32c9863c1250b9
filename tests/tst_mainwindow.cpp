#include "app/mainwindow.h"
#include "regdata/datafolder.h"
#include "regdata/savereginfo.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void dataFolders_data();
    void dataFolders();
};

namespace {

// In the table, "@" stands for a scratch folder of the row's own.
QString resolved(QString text, const QString &scratch)
{
    return text.replace('@', scratch);
}

} // namespace

// Each row sets the variables it lists and unsets the others, writes a
// reseller catalogue into each folder of "catalogueIn", and names the common
// files folder of the record (none when empty) and of the catalogue read.
void TestMainWindow::dataFolders_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("catalogueIn");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<bool>("saves");

    const QStringList xdg {"XDG_DATA_HOME=@/data", "XDG_DATA_DIRS=@/sys1:@/sys2", "HOME=@/home"};
    const QString beside = QCoreApplication::applicationDirPath() + "/../share";
    QTest::newRow("both values: x86 wins, for every file, and is never made")
        << xdg + QStringList {"KVB_COMMON_FILES_DIR_X86=@/x86", "KVB_COMMON_FILES_DIR=@/plain"}
        << QStringList {"@/data", "@/plain"} << "@/x86"
        << "@/x86" << false;
    QTest::newRow("only the plain value") << xdg + QStringList {"KVB_COMMON_FILES_DIR=@/plain"}
                                          << QStringList {"@/plain"} << "@/plain"
                                          << "@/plain" << true;
    QTest::newRow("x86 present but empty")
        << QStringList {"KVB_COMMON_FILES_DIR_X86=", "KVB_COMMON_FILES_DIR=@/plain"}
        << QStringList() << "@/plain"
        << "@/plain" << false;
    QTest::newRow("joined as it stands") << QStringList {"KVB_COMMON_FILES_DIR_X86=@/Common Files/"}
                                         << QStringList() << "@/Common Files/"
                                         << "@/Common Files/" << false;
    QTest::newRow("letters beyond Latin-1")
        << QStringList {"KVB_COMMON_FILES_DIR=@/Ω"} << QStringList {"@/Ω"} << "@/Ω"
        << "@/Ω" << true;
    QTest::newRow("neither: the user's own catalogue first")
        << xdg << QStringList {"@/sys1", "@/data"} << "@/data"
        << "@/data" << true;
    QTest::newRow("neither: the first system folder that has it")
        << xdg << QStringList {"@/sys2"} << "@/data"
        << "@/sys2" << true;
    QTest::newRow("neither: beside the program")
        << xdg << QStringList() << "@/data" << beside << true;
    QTest::newRow("relative XDG folders ignored, HOME used")
        << QStringList {"XDG_DATA_HOME=data", "XDG_DATA_DIRS=sys1::@/sys2", "HOME=@/home"}
        << QStringList {"@/sys2"} << "@/home/.local/share"
        << "@/sys2" << true;
    QTest::newRow("no absolute home: no record")
        << QStringList {"XDG_DATA_DIRS=@/sys1", "HOME=home"} << QStringList {"@/sys1"} << QString()
        << "@/sys1" << false;
}

void TestMainWindow::dataFolders()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, catalogueIn);
    QFETCH(QString, record);
    QFETCH(QString, catalogue);
    QFETCH(bool, saves);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    for (const char *name : {"KVB_COMMON_FILES_DIR_X86", "KVB_COMMON_FILES_DIR", "XDG_DATA_HOME",
             "XDG_DATA_DIRS", "HOME"})
        qunsetenv(name);
    for (const QString &setting : std::as_const(environment)) {
        const QString value = resolved(setting.section('=', 1), scratch.path());
        qputenv(setting.section('=', 0, 0).toLatin1(), value.toUtf8());
    }
    const QString suffix = "/Tarn/CustomData/";
    for (const QString &folder : std::as_const(catalogueIn)) {
        const QString regData = resolved(folder, scratch.path()) + suffix + "RegData";
        QFile file(regData + "/RegReseller.xml");
        QVERIFY(QDir().mkpath(regData) && file.open(QIODevice::WriteOnly));
    }

    MainWindow window("tst_mainwindow");
    const QString recordFolder
        = record.isEmpty() ? QString() : resolved(record, scratch.path()) + suffix;
    QCOMPARE(DataFolder::path(), recordFolder);
    QCOMPARE(DataFolder::catalogueFilePath("RegData/RegReseller.xml"),
        resolved(catalogue, scratch.path()) + suffix + "RegData/RegReseller.xml");

    // A save makes the user's folders it needs, for the owner alone.
    const bool existed = QFileInfo::exists(recordFolder);
    const FirstPageRecord firstPage;
    const SecondPageRecord secondPage;
    QCOMPARE(SaveRegInfo(&firstPage, &secondPage).save(), saves);
    if (!saves || existed)
        return;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    for (QString folder = recordFolder + "RegData"; folder != scratch.path();
         folder = QFileInfo(folder).path())
        QVERIFY2(!(QFileInfo(folder).permissions() & others), qPrintable(folder));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
