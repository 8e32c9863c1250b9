// How KVB starts: the options it answers itself, the launching host's handles, and the engine
// library beside the program.
#include "app/commandline.h"
#include "app/hostchannel.h"
#include "app/mainwindow.h"
#include "support/environment.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void handleFromText_data();
    void handleFromText();
    void startUp_data();
    void startUp();
    void closingAsks();
};

// The command line as the process receives it, entry 0 first, and what KVB makes of it before
// the toolkit starts; an option that it answers is answered with no display to start a window on,
// within a second, with status 0 and what standard output starts with, or refused with status 2
// and what standard error starts with, the other stream empty.
void TestStartup::commandLine_data()
{
    using Action = CommandLine::Action;
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("output");

    const auto row = [](const char *name, const QByteArrayList &arguments, Action action,
                         const char *refused = "", const char *output = "") {
        QTest::newRow(name) << arguments << action << QString(refused) << QString(output);
    };
    const char *usage = "Usage: kvb [--help | --version]\n";
    row("no arguments", {"kvb"}, Action::Start);
    row("help", {"/usr/bin/kvb", "--help"}, Action::Help, "", usage);
    row("an unknown option", {"kvb", "--bogus"}, Action::UnknownOption, "--bogus",
        "kvb: unknown option '--bogus'\nTry 'kvb --help' for more information.\n");
    row("more after help", {"kvb", "--help", "x"}, Action::ExtraArgument, "x",
        "kvb: unexpected argument 'x'\n");
    row("the toolkit's options around it", {"kvb", "-display", ":0", "--version", "-reverse"},
        Action::Version, "", "kvb " KVB_VERSION "\n");
    row("a toolkit option with its value after =", {"kvb", "--style=fusion", "-h"}, Action::Help,
        "", usage);
    row("a launching host's handle in entry 0", {"12", "--help"}, Action::Start);
    row("the program path and a negative handle", {"/usr/bin/kvb", "-1"}, Action::Start);
    row("entries after the output handle", {"/usr/bin/kvb", "34", "--bogus"}, Action::Start);
}

void TestStartup::commandLine()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, refused);
    QFETCH(QString, output);

    std::vector<const char *> argv;
    for (const QByteArray &argument : std::as_const(arguments))
        argv.push_back(argument.constData());
    const CommandLine::Request request = CommandLine::parse(int(argv.size()), argv.data());
    QCOMPARE(request.action, action);
    QCOMPARE(request.argument, refused);
    if (action == CommandLine::Action::Start)
        return;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    QProcess kvb;
    kvb.setProcessEnvironment(environment);
    QStringList options;
    for (const QByteArray &argument : arguments.mid(1))
        options << QString::fromLocal8Bit(argument);
    kvb.start(KVB_BIN_DIR "/kvb", options);
    QVERIFY(kvb.waitForFinished(1000));
    const bool answered
        = action == CommandLine::Action::Help || action == CommandLine::Action::Version;
    QCOMPARE(kvb.exitCode(), answered ? 0 : 2);
    const QByteArray standardOutput = kvb.readAllStandardOutput();
    const QByteArray standardError = kvb.readAllStandardError();
    QVERIFY((answered ? standardOutput : standardError).startsWith(output.toUtf8()));
    QVERIFY((answered ? standardError : standardOutput).isEmpty());
}

// Each row's name is the text: strtoul with base 0, cut to 32 bits.
void TestStartup::handleFromText_data()
{
    QTest::addColumn<quint32>("handle");
    const std::pair<const char *, quint32> rows[]
        = {{"12", 12}, {" \t+42", 42}, {"0XfF", 255}, {"010", 8}, {"09", 0}, {"0x", 0},
            {"12abc", 12}, {"", 0}, {"/usr/bin/kvb", 0}, {"-1", 0xFFFFFFFF}, {"-4294967295", 1},
            {"-4294967296", 0xFFFFFFFF}, {"99999999999", 0xFFFFFFFF}};
    for (const auto &[text, handle] : rows)
        QTest::newRow(text) << handle;
}

void TestStartup::handleFromText()
{
    QFETCH(quint32, handle);
    QCOMPARE(HostChannel::handleFromText(QTest::currentDataTag()), handle);
}

// A copy of the program lies beside an engine that must be loaded. The working folder, two
// folders below a scratch folder that holds a copy of KVB.rcc, holds another engine, in its
// folder x too: nothing of the scratch folder may ever be loaded. "loaded" names the folder of
// the engine loaded, none when the start is refused with code 2.
void TestStartup::startUp_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("loaded");

    QTest::newRow("host mode, invalid input handle") << "exec -a -1 kvb 5" << QString();
    QTest::newRow("host mode, output handle too large") << "exec kvb 99999999999" << QString();
    // The toolkit's options are gone before the arguments are counted.
    QTest::newRow("toolkit option alone, closed standard output")
        << "exec kvb -style fusion >&-" << QString();
    QTest::newRow("host mode, bare name through PATH, working folder in the library path")
        << "LD_LIBRARY_PATH=.:: exec -a 0x10 kvb 010"
        << "beside";
    QTest::newRow("host mode, a folder in the handle number") << "exec -a x/12 kvb 34"
                                                              << "beside";
    QTest::newRow("symbolic link, beside the wrong engine")
        << "ln -s \"$(command -v kvb)\" \"$SCRATCH/kvb\" && cp libQuill.so \"$SCRATCH\" && "
           "exec \"$SCRATCH/kvb\""
        << "beside";
}

void TestStartup::startUp()
{
    QFETCH(QString, command);
    QFETCH(QString, loaded);

    QTemporaryDir dir;
    const QString working = dir.filePath("a/b");
    QVERIFY(QDir().mkpath(working + "/x"));
    for (const QString &folder : {working, working + "/x"})
        QVERIFY(QFile::copy(
            KVB_TEST_ENGINES_DIR "/workingfolder/libQuill.so", folder + "/libQuill.so"));
    QVERIFY(QFile::copy(KVB_BIN_DIR "/KVB.rcc", dir.filePath("KVB.rcc")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", KVB_TEST_ENGINES_DIR "/beside:" + environment.value("PATH"));
    environment.insert("KVB_COMMON_FILES_DIR", dir.path());
    environment.insert("SCRATCH", dir.path());
    QProcess kvb;
    kvb.setProcessEnvironment(environment);
    kvb.setWorkingDirectory(working);
    kvb.start("/bin/bash", {"-c", command});
    // The files mapped into the process: the engine library, and KVB.rcc loaded before it.
    const auto mapped = [&kvb] {
        QFile maps(QString("/proc/%1/maps").arg(kvb.processId()));
        return maps.open(QIODevice::ReadOnly) ? QString(maps.readAll()) : QString();
    };
    const auto engine = [&mapped] {
        return mapped().section("/libQuill.so", 0, 0).section('\n', -1).section(' ', -1);
    };
    // A refused start ends at once; a window stays open once the engine is loaded.
    QTRY_VERIFY_WITH_TIMEOUT(!engine().isEmpty() || kvb.state() == QProcess::NotRunning, 20000);
    QCOMPARE(engine(), loaded.isEmpty() ? QString() : KVB_TEST_ENGINES_DIR "/" + loaded);
    QVERIFY2(!mapped().contains(dir.path()), qPrintable(mapped()));
    QCOMPARE(kvb.state(), loaded.isEmpty() ? QProcess::NotRunning : QProcess::Running);
    if (loaded.isEmpty()) {
        QCOMPARE(kvb.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kvb.exitCode(), 2);
    }
    kvb.kill();
    kvb.waitForFinished();
}

// Closing the window with details never saved asks first, and a cancelled question keeps the
// window open; with nothing left to keep, the window closes without a word.
void TestStartup::closingAsks()
{
    QTemporaryDir dir;
    ScopedEnvironment environment;
    environment.set("KVB_COMMON_FILES_DIR", QFile::encodeName(dir.path()));
    MainWindow window(KVB_BIN_DIR "/kvb");
    window.show();
    auto *firstName = window.findChild<QLineEdit *>("First Name:");
    QVERIFY(firstName);
    firstName->setText("Lucja");
    int asked = 0;
    const auto cancel = [&asked] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++asked;
            box->button(QMessageBox::Cancel)->click();
        }
    };
    QTimer::singleShot(0, &window, cancel);
    QVERIFY(!window.close());
    QCOMPARE(asked, 1);
    QVERIFY(window.isVisible());
    firstName->clear();
    QTimer::singleShot(0, &window, cancel);
    QVERIFY(window.close());
    QCOMPARE(asked, 1);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
