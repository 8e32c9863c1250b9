#include "engine/engineclient.h"

#include <QTest>

#include <cstring>

namespace {

// A stand-in entry point that records every call as "command parameters"
// and answers as told.
QByteArrayList calls;
int nextResult = 0;
QByteArray nextReply;
bool writesReply = true;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    calls << QByteArray(command) + ' ' + parameters;
    if (writesReply)
        std::memcpy(reply, nextReply.constData(), std::size_t(nextReply.size()) + 1);
    return nextResult;
}

} // namespace

class TestEngineClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void parameterText_data();
    void parameterText();
    void commandsAndReplies();
    void libraryPath_data();
    void libraryPath();
    void unusableOrFaultyEngine_data();
    void unusableOrFaultyEngine();
};

void TestEngineClient::init()
{
    calls.clear();
    nextResult = 0;
    nextReply.clear();
    writesReply = true;
}

void TestEngineClient::parameterText_data()
{
    QTest::addColumn<EngineClient::ParameterMap>("parameters");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty map") << EngineClient::ParameterMap() << QByteArray();
    QTest::newRow("byte order: capitals first")
        << EngineClient::ParameterMap {{"a", "1"}, {"Z", "2"}, {"CITY", "X"}, {"ADDRESS1", "Y"}}
        << QByteArray("ADDRESS1=Y,CITY=X,Z=2,a=1");
    QTest::newRow("separators unescaped")
        << EngineClient::ParameterMap {{"Company", "Acme, Inc.=x"}, {"K", ""}}
        << QByteArray("Company=Acme, Inc.=x,K=");
}

void TestEngineClient::parameterText()
{
    QFETCH(EngineClient::ParameterMap, parameters);
    QFETCH(QByteArray, text);
    QCOMPARE(EngineClient::parameterText(parameters), text);
}

void TestEngineClient::commandsAndReplies()
{
    EngineClient client;
    client.setEngineEntry(recordingEntry);
    QByteArray reply = "old";
    nextResult = 1;
    nextReply = "ADDRESS1=1 Main St";
    QCOMPARE(client.sendAddress({{"Register", "1"}}, reply), 1);
    QCOMPARE(reply, nextReply);

    // The reply buffer is shared and never cleared: an engine that writes
    // nothing leaves the previous reply.
    writesReply = false;
    nextResult = 0;
    QCOMPARE(client.sendRegistrationData({{"Register", "2"}}, reply), 0);
    QCOMPARE(reply, nextReply);
    client.sendCallerType({{"callerType", "KVB"}});
    QCOMPARE(calls,
        QByteArrayList(
            {"SENDADDRESS Register=1", "SENDREGDATA Register=2", "SetCallerType callerType=KVB"}));
}

void TestEngineClient::libraryPath_data()
{
    QTest::addColumn<QByteArray>("programPath");
    QTest::addColumn<QByteArray>("libraryPath");

    QTest::newRow("absolute") << QByteArray("/opt/kvb/bin/kvb")
                              << QByteArray("/opt/kvb/bin/libQuill.so");
    QTest::newRow("relative") << QByteArray("./kvb") << QByteArray("./libQuill.so");
    QTest::newRow("bare name") << QByteArray("kvb") << QByteArray("libQuill.so");
}

void TestEngineClient::libraryPath()
{
    QFETCH(QByteArray, programPath);
    QFETCH(QByteArray, libraryPath);
    QCOMPARE(QByteArray::fromStdString(Platform::engineLibraryPath(programPath.toStdString())),
        libraryPath);
}

void TestEngineClient::unusableOrFaultyEngine_data()
{
    QTest::addColumn<QByteArray>("engine"); // a folder of KVB_TEST_ENGINES_DIR
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("addressReply");

    const QByteArray none("ADDRESS_GOOD");
    const int noEngine = EngineClient::NoEngine;
    QTest::newRow("no library") << QByteArray("nonexistent") << noEngine << none;
    QTest::newRow("no export") << QByteArray("noexport") << noEngine << none;
    QTest::newRow("result far outside 0 to 2") << QByteArray("farresult") << 1000000 << none;
    QTest::newRow("negative result") << QByteArray("negativeresult") << -7 << none;
    QTest::newRow("reply of 255 characters") << QByteArray("reply255") << 1 << QByteArray(255, 'r');
    // The program reads no further than the buffer, which under the address
    // sanitizer is fenced on both sides.
    QTest::newRow("reply filling the buffer without a terminator")
        << QByteArray("reply256") << 1 << QByteArray(255, 'r');
}

// Each engine answers every command alike; the requests pass its result on
// and keep a corrected address only after code 1. A library that cannot be
// used also ends the use of any entry point set before.
void TestEngineClient::unusableOrFaultyEngine()
{
    QFETCH(QByteArray, engine);
    QFETCH(int, code);
    QFETCH(QByteArray, addressReply);

    const QByteArray programPath = KVB_TEST_ENGINES_DIR "/" + engine + "/kvb";
    EngineClient client;
    client.setEngineEntry(recordingEntry);
    client.loadEngine(programPath.constData());
    QCOMPARE(client.isEngineLoaded(), code != EngineClient::NoEngine);
    client.setCallerType("KVB");
    QCOMPARE(client.verifyAddress(QByteArray("A=1,B=2,C=3,D=4,E=5,F=6,G=7,H=8")), code);
    QCOMPARE(client.addressReply(), addressReply);
    QVERIFY(!client.submitRegistration(QByteArray(",").repeated(26)));
    QVERIFY(calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestEngineClient)
#include "tst_engineclient.moc"
