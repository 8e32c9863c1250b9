#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program is started from the folder of an engine that must never be
// loaded, and a copy of it lies beside the engine that must be loaded.
static const QString programFolder = QStringLiteral(KVB_TEST_ENGINES_DIR "/beside");
static const QString workingFolder = QStringLiteral(KVB_TEST_ENGINES_DIR "/workingfolder");

class TestLibraryLoading : public QObject
{
    Q_OBJECT

private slots:
    void loadsTheEngineBesideTheProgram_data();
    void loadsTheEngineBesideTheProgram();
};

void TestLibraryLoading::loadsTheEngineBesideTheProgram_data()
{
    QTest::addColumn<QString>("command");

    QTest::newRow("bare name through PATH") << "exec kvb";
    QTest::newRow("bare name, the working folder in the library path")
        << "LD_LIBRARY_PATH=.:: exec kvb";
    QTest::newRow("bare name, started by a launching host") << "exec -a 0 kvb 1";
    QTest::newRow("absolute path") << "exec \"$PROGRAM_FOLDER/kvb\"";
    QTest::newRow("relative path") << "exec ../beside/kvb";
}

void TestLibraryLoading::loadsTheEngineBesideTheProgram()
{
    QFETCH(QString, command);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath("loaded");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", programFolder + ':' + environment.value("PATH"));
    environment.insert("PROGRAM_FOLDER", programFolder);
    environment.insert("KVB_TEST_ENGINE_MARKER", marker);
    environment.insert("KVB_COMMON_FILES_DIR", dir.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess kvb;
    kvb.setProcessEnvironment(environment);
    kvb.setWorkingDirectory(workingFolder);
    kvb.start("/bin/bash", {"-c", command});
    QVERIFY(kvb.waitForStarted());
    // The engine is loaded at start-up, and the window then stays open.
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo(marker).size() > 0 || kvb.state() == QProcess::NotRunning, 20000);
    QCOMPARE(kvb.state(), QProcess::Running);
    kvb.kill();
    kvb.waitForFinished();

    QFile loaded(marker);
    QVERIFY(loaded.open(QIODevice::ReadOnly));
    QCOMPARE(loaded.readAll(), QByteArray("beside\n"));
}

QTEST_GUILESS_MAIN(TestLibraryLoading)
#include "tst_libraryloading.moc"
