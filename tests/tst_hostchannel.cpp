#include "app/hostchannel.h"

#include <QProcess>
#include <QTest>

// Runs the built program with a chosen argument entry 0 (as a launching host
// does) followed by further tokens.
static QProcess *startKvb(
    const QString &entry0, const QStringList &tokens, const QString &redirect = QString())
{
    const QString program = QStringLiteral(KVB_BIN_DIR "/kvb");
    auto *process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KVB"), program);
    process->setProcessEnvironment(env);
    process->start(QStringLiteral("/bin/bash"),
        QStringList {QStringLiteral("-c"),
            QStringLiteral("exec -a \"$0\" \"$KVB\" \"$@\" ") + redirect, entry0}
            + tokens);
    return process;
}

class TestHostChannel : public QObject
{
    Q_OBJECT

private slots:
    void handleFromText_data();
    void handleFromText();
    void startUp_data();
    void startUp();
};

void TestHostChannel::handleFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<quint32>("handle");

    QTest::newRow("decimal") << QByteArray("12") << 12u;
    QTest::newRow("hexadecimal, capital X") << QByteArray("0XfF") << 255u;
    QTest::newRow("octal") << QByteArray("010") << 8u;
    QTest::newRow("octal stops at 9") << QByteArray("09") << 0u;
    QTest::newRow("0x without digits") << QByteArray("0x") << 0u;
    QTest::newRow("minus one") << QByteArray("-1") << 0xFFFFFFFFu;
    QTest::newRow("all bits in hex") << QByteArray("0xFFFFFFFF") << 0xFFFFFFFFu;
    QTest::newRow("all bits in decimal") << QByteArray("4294967295") << 0xFFFFFFFFu;
    QTest::newRow("one below all bits") << QByteArray("4294967294") << 0xFFFFFFFEu;
    QTest::newRow("over 32 bits") << QByteArray("99999999999") << 0xFFFFFFFFu;
    QTest::newRow("leading blanks") << QByteArray(" \t 42") << 42u;
    QTest::newRow("plus sign") << QByteArray("+7") << 7u;
    QTest::newRow("negative wraps") << QByteArray("-4294967295") << 1u;
    QTest::newRow("negative overflow") << QByteArray("-4294967296") << 0xFFFFFFFFu;
    QTest::newRow("empty") << QByteArray("") << 0u;
    QTest::newRow("digits then text") << QByteArray("12abc") << 12u;
    QTest::newRow("program path") << QByteArray("/usr/bin/kvb") << 0u;
}

void TestHostChannel::handleFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(quint32, handle);
    QCOMPARE(HostChannel::handleFromText(text.constData()), handle);
}

void TestHostChannel::startUp_data()
{
    QTest::addColumn<QString>("entry0");
    QTest::addColumn<QStringList>("tokens");
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<bool>("refused");

    const QString path = QStringLiteral(KVB_BIN_DIR "/kvb");
    QTest::newRow("-1 and 5") << "-1" << QStringList {"5"} << QString() << true;
    QTest::newRow("path and 99999999999")
        << path << QStringList {"99999999999"} << QString() << true;
    QTest::newRow("closed standard output") << path << QStringList() << ">&-" << true;
    QTest::newRow("0x10 and 010") << "0x10" << QStringList {"010"} << QString() << false;
    QTest::newRow("no arguments") << path << QStringList() << QString() << false;
    // The toolkit's options are gone before the arguments are counted, so
    // this is standard mode, and its closed standard output refuses it.
    QTest::newRow("toolkit option alone, closed standard output")
        << path << QStringList {"-style", "fusion"} << ">&-" << true;
}

void TestHostChannel::startUp()
{
    QFETCH(QString, entry0);
    QFETCH(QStringList, tokens);
    QFETCH(QString, redirect);
    QFETCH(bool, refused);

    QScopedPointer<QProcess> process(startKvb(entry0, tokens, redirect));
    QVERIFY(process->waitForStarted());
    // A refused start ends within moments; a window stays open.
    QCOMPARE(process->waitForFinished(refused ? 10000 : 1500), refused);
    if (refused) {
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 2);
    } else {
        process->kill();
        process->waitForFinished();
    }
}

QTEST_GUILESS_MAIN(TestHostChannel)
#include "tst_hostchannel.moc"
