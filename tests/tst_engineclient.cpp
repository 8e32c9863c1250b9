#include "engine/engineclient.h"

#include <QTest>

#include <cstring>

namespace {

struct Call
{
    QByteArray command;
    QByteArray parameters;
};

// A stand-in entry point that records every call and answers as told.
QList<Call> calls;
int nextResult = 0;
QByteArray nextReply;
bool writesReply = true;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    calls.append(Call{command, parameters});
    if (writesReply)
        std::memcpy(reply, nextReply.constData(), std::size_t(nextReply.size()));
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
    void commandsReachTheEntryPoint();
    void resultAndReplyComeBack_data();
    void resultAndReplyComeBack();
    void untouchedBufferKeepsPreviousReply();
    void libraryPath_data();
    void libraryPath();
    void loadsTheStandInEngine();
    void unusableLibraryFailsWithoutCalling_data();
    void unusableLibraryFailsWithoutCalling();
    void faultyEngine_data();
    void faultyEngine();
};

void TestEngineClient::init()
{
    calls.clear();
    nextResult = 0;
    nextReply = QByteArray("", 1);
    writesReply = true;
}

void TestEngineClient::parameterText_data()
{
    QTest::addColumn<EngineClient::ParameterMap>("parameters");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty map") << EngineClient::ParameterMap() << QByteArray();
    QTest::newRow("one entry") << EngineClient::ParameterMap{{"callerType", "KVB"}}
                               << QByteArray("callerType=KVB");
    QTest::newRow("byte order") << EngineClient::ParameterMap{{"CITY", "Springfield"},
                                                              {"ADDRESS1", "1 Main St"}}
                                << QByteArray("ADDRESS1=1 Main St,CITY=Springfield");
    QTest::newRow("capitals before small letters")
            << EngineClient::ParameterMap{{"a", "1"}, {"Z", "2"}, {"Register", "1"}}
            << QByteArray("Register=1,Z=2,a=1");
    QTest::newRow("separators unescaped")
            << EngineClient::ParameterMap{{"Company", "Acme, Inc.=x"}, {"K", ""}}
            << QByteArray("Company=Acme, Inc.=x,K=");
}

void TestEngineClient::parameterText()
{
    QFETCH(EngineClient::ParameterMap, parameters);
    QFETCH(QByteArray, text);
    QCOMPARE(EngineClient::parameterText(parameters), text);
}

void TestEngineClient::commandsReachTheEntryPoint()
{
    EngineClient client;
    client.setEngineEntry(recordingEntry);
    QByteArray reply;
    client.sendCallerType({{"callerType", "KVB"}});
    client.sendAddress({{"Register", "1"}}, reply);
    client.sendRegistrationData({{"Register", "2"}}, reply);

    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].command, QByteArray("SetCallerType"));
    QCOMPARE(calls[0].parameters, QByteArray("callerType=KVB"));
    QCOMPARE(calls[1].command, QByteArray("SENDADDRESS"));
    QCOMPARE(calls[1].parameters, QByteArray("Register=1"));
    QCOMPARE(calls[2].command, QByteArray("SENDREGDATA"));
    QCOMPARE(calls[2].parameters, QByteArray("Register=2"));
}

void TestEngineClient::resultAndReplyComeBack_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("plain reply") << 1 << QByteArray("ADDRESS1=1 Main St", 19)
                                 << QByteArray("ADDRESS1=1 Main St");
    QTest::newRow("empty reply") << 0 << QByteArray("", 1) << QByteArray();
}

void TestEngineClient::resultAndReplyComeBack()
{
    QFETCH(int, result);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, reply);

    EngineClient client;
    client.setEngineEntry(recordingEntry);
    nextResult = result;
    nextReply = written;
    QByteArray received("old");
    QCOMPARE(client.sendAddress({}, received), result);
    QCOMPARE(received, reply);
}

void TestEngineClient::untouchedBufferKeepsPreviousReply()
{
    EngineClient client;
    client.setEngineEntry(recordingEntry);
    nextReply = QByteArray("first", 6);
    QByteArray reply;
    client.sendAddress({}, reply);
    writesReply = false;
    client.sendRegistrationData({}, reply);
    QCOMPARE(reply, QByteArray("first"));
}

void TestEngineClient::libraryPath_data()
{
    QTest::addColumn<QByteArray>("programPath");
    QTest::addColumn<QByteArray>("libraryPath");

    QTest::newRow("absolute") << QByteArray("/opt/kvb/bin/kvb")
                              << QByteArray("/opt/kvb/bin/libQuill.so");
    QTest::newRow("relative") << QByteArray("./kvb") << QByteArray("./libQuill.so");
    QTest::newRow("bare name") << QByteArray("kvb") << QByteArray("libQuill.so");
    QTest::newRow("host mode") << QByteArray("12") << QByteArray("libQuill.so");
}

void TestEngineClient::libraryPath()
{
    QFETCH(QByteArray, programPath);
    QFETCH(QByteArray, libraryPath);
    QCOMPARE(QByteArray::fromStdString(Platform::engineLibraryPath(programPath.toStdString())),
             libraryPath);
}

void TestEngineClient::loadsTheStandInEngine()
{
    EngineClient client;
    client.loadEngine(KVB_BIN_DIR "/kvb");
    QVERIFY(client.isEngineLoaded());
    QCOMPARE(client.sendCallerType({{"callerType", "KVB"}}), 0);
}

void TestEngineClient::unusableLibraryFailsWithoutCalling_data()
{
    QTest::addColumn<QByteArray>("programPath");
    QTest::newRow("no library") << QByteArray("/nonexistent/kvb");
    QTest::newRow("no export") << QByteArray(KVB_TEST_ENGINES_DIR "/noexport/kvb");
}

void TestEngineClient::unusableLibraryFailsWithoutCalling()
{
    QFETCH(QByteArray, programPath);
    EngineClient client;
    client.setEngineEntry(recordingEntry);
    nextReply = QByteArray("left over", 10);
    QByteArray reply;
    client.sendAddress({}, reply);

    client.loadEngine(programPath.constData());
    QVERIFY(!client.isEngineLoaded());
    reply = "stale";
    const int result = client.sendAddress({{"Register", "1"}}, reply);
    QVERIFY(result != 0 && result != 1 && result != 2);
    QCOMPARE(reply, QByteArray());
    QCOMPARE(calls.size(), 1);
}

void TestEngineClient::faultyEngine_data()
{
    QTest::addColumn<QByteArray>("engine");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("addressReply");

    const QByteArray none("ADDRESS_GOOD");
    QTest::newRow("result far outside 0, 1 and 2") << QByteArray("farresult") << 1000000 << none;
    QTest::newRow("negative result") << QByteArray("negativeresult") << -7 << none;
    QTest::newRow("reply of 255 characters")
        << QByteArray("reply255") << 1 << QByteArray(255, 'r');
    // The program reads no further than the buffer, which under the address
    // sanitizer is fenced on both sides.
    QTest::newRow("reply filling the buffer without a terminator")
        << QByteArray("reply256") << 1 << QByteArray(255, 'r');
}

// Each engine answers every command alike; the requests pass its result on
// and keep a corrected address only after code 1.
void TestEngineClient::faultyEngine()
{
    QFETCH(QByteArray, engine);
    QFETCH(int, code);
    QFETCH(QByteArray, addressReply);

    const QByteArray programPath = KVB_TEST_ENGINES_DIR "/" + engine + "/kvb";
    EngineClient client;
    client.loadEngine(programPath.constData());
    QVERIFY(client.isEngineLoaded());
    client.setCallerType("KVB");
    QCOMPARE(client.verifyAddress(QByteArray("A=1,B=2,C=3,D=4,E=5,F=6,G=7,H=8")), code);
    QCOMPARE(client.addressReply(), addressReply);
    QVERIFY(!client.submitRegistration(QByteArray(",").repeated(26)));
}

QTEST_GUILESS_MAIN(TestEngineClient)
#include "tst_engineclient.moc"
