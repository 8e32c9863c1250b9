#include "engine/engineclient.h"

#include <QTest>

#include <cstring>

namespace {

struct Call
{
    QByteArray command;
    QByteArray parameters;
};

// A stand-in entry point that records every call and answers with the next
// queued result and reply.
QList<Call> calls;
QList<int> results;
QByteArrayList replies;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    calls.append(Call {command, parameters});
    const QByteArray text = replies.isEmpty() ? QByteArray() : replies.takeFirst();
    std::memcpy(reply, text.constData(), std::size_t(text.size()) + 1);
    return results.isEmpty() ? 0 : results.takeFirst();
}

const QByteArray pageAddressText = "ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,"
                                   "REGION_NAME=Some Region,POSTCODE=12345,COUNTRY=YY,"
                                   "COUNTRY_NAME=Some Country";

// The registration text in the order in which the purchase page writes it.
const QByteArray registrationText
    = "FirstName=Ann,LastName=Lee,Company=Acme,Department=,Email=ann@example.com,"
      "Phone=555,Title=Ms,ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,"
      "REGION_NAME=Some Region,POSTCODE=12345,COUNTRY=YY,COUNTRY_NAME=Some Country,"
      "PurchaseDate=05/01/2024,BusinessType=Film,PurchaseLocation=Tarn Reseller,"
      "Reseller=Best Video,UserType=Editor,WorkType=Other,WorkTypeOther=Games,"
      "OtherSystems=0,ThirdParty=1,ContactMe=0,SystemID=ABC-123,Serial=S-9";

void useRecordingEntry(EngineClient &client)
{
    client.setEngineEntry(recordingEntry);
    client.setCallerType("KVB");
}

} // namespace

class TestRegistrationRequests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookUpValue_data();
    void lookUpValue();
    void addressTextBecomesSendAddress();
    void registrationTextBecomesSendRegData();
    void tooShortTextsAnnounceButDoNotSend_data();
    void tooShortTextsAnnounceButDoNotSend();
    void correctedAddressIsKept();
    void submissionSucceedsOnlyOnZero_data();
    void submissionSucceedsOnlyOnZero();
    void pageFormConvertsAndNarrows_data();
    void pageFormConvertsAndNarrows();
    void withoutEngineRequestsFail();
};

void TestRegistrationRequests::init()
{
    calls.clear();
    results.clear();
    replies.clear();
}

void TestRegistrationRequests::lookUpValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    // Each row as "text|key|value".
    for (const char *row : {"COUNTRY_NAME=Chad,COUNTRY=TD|COUNTRY|TD",
             "WorkType=Film,WorkTypeOther=Games|WorkType|Film",
             "Company=CITY=Rome city=Oslo,CITY=Town|CITY|Town", "city=Oslo|CITY|UNSUPPORTED",
             "A=1,B=2|C|UNSUPPORTED", "A=,B=2|A|", "A=x=y|A|x", "A=Acme, Inc.,B=2|A|Acme",
             "A,A=2|A|2", "A=1,A=2|A|1", ",,A=1,|A|1"}) {
        const QByteArrayList fields = QByteArray(row).split('|');
        QTest::newRow(row) << fields[0] << fields[1] << fields[2];
    }
}

void TestRegistrationRequests::lookUpValue()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QCOMPARE(EngineClient::lookUpValue(text, key), value);
}

void TestRegistrationRequests::addressTextBecomesSendAddress()
{
    EngineClient client;
    useRecordingEntry(client);
    client.verifyAddress(pageAddressText);
    client.verifyAddress(QByteArray("COUNTRY=YY,A,B,C,D,E,F,G"));

    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls[0].command, QByteArray("SetCallerType"));
    QCOMPARE(calls[0].parameters, QByteArray("callerType=KVB"));
    QCOMPARE(calls[1].command, QByteArray("SENDADDRESS"));
    QCOMPARE(calls[1].parameters,
        QByteArray("ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,COUNTRY=YY,POSTCODE=12345,"
                   "Register=1,STATE=XX"));
    QCOMPARE(calls[2].command, QByteArray("SetCallerType"));
    QCOMPARE(calls[2].parameters, QByteArray("callerType=KVB"));
    QCOMPARE(calls[3].parameters,
        QByteArray("ADDRESS1=UNSUPPORTED,ADDRESS2=UNSUPPORTED,CITY=UNSUPPORTED,COUNTRY=YY,"
                   "POSTCODE=UNSUPPORTED,Register=1,STATE=UNSUPPORTED"));
}

void TestRegistrationRequests::registrationTextBecomesSendRegData()
{
    EngineClient client;
    useRecordingEntry(client);
    QVERIFY(client.submitRegistration(registrationText));

    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].parameters, QByteArray("callerType=KVB"));
    QCOMPARE(calls[1].command, QByteArray("SENDREGDATA"));
    QCOMPARE(calls[1].parameters,
        QByteArray("ADDRESS1=1 Main St,ADDRESS2=,BusinessType=Film,CITY=Town,COUNTRY=YY,"
                   "Company=Acme,ContactMe=0,Department=,Email=ann@example.com,"
                   "FirstName=Ann,LastName=Lee,OtherSystems=0,POSTCODE=12345,Phone=555,"
                   "PurchaseDate=05/01/2024,PurchaseLocation=Tarn Reseller,Register=2,"
                   "Reseller=Best Video,STATE=XX,Serial=S-9,SystemID=ABC-123,ThirdParty=1,"
                   "Title=Ms,UserType=Editor,WorkType=Other,WorkTypeOther=Games"));
}

void TestRegistrationRequests::tooShortTextsAnnounceButDoNotSend_data()
{
    QTest::addColumn<bool>("address");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("sent");

    QTest::newRow("address of 7 items") << true << QByteArray("A=1,,,,,,") << false;
    QTest::newRow("address of 8 items") << true << QByteArray("A=1,,,,,,,") << true;
    QTest::newRow("address cut by a zero byte")
        << true << QByteArray("A=1,,,\0,,,,,,,,", 16) << false;
    QTest::newRow("registration of 18 items") << false << QByteArray(17, ',') << false;
    QTest::newRow("registration of 19 items") << false << QByteArray(18, ',') << true;
}

void TestRegistrationRequests::tooShortTextsAnnounceButDoNotSend()
{
    QFETCH(bool, address);
    QFETCH(QByteArray, text);
    QFETCH(bool, sent);

    EngineClient client;
    useRecordingEntry(client);
    if (address) {
        const int result = client.verifyAddress(text);
        QCOMPARE(result == EngineClient::TextTooShort, !sent);
    } else {
        QCOMPARE(client.submitRegistration(text), sent);
    }
    QCOMPARE(calls.size(), sent ? 2 : 1);
    QCOMPARE(calls[0].command, QByteArray("SetCallerType"));
}

void TestRegistrationRequests::correctedAddressIsKept()
{
    EngineClient client;
    useRecordingEntry(client);
    QCOMPARE(client.addressReply(), QByteArray("ADDRESS_GOOD"));

    results = {0, 2, 0, 1, 0, 0, 0, 2, 0, 7};
    replies = {
        "", "UNVERIFIED", "", "ADDRESS1=1 Main St", "", "VERIFIED", "", "UNVERIFIED", "", "FAILED"};
    QCOMPARE(client.verifyAddress(pageAddressText), 2);
    QCOMPARE(client.addressReply(), QByteArray("ADDRESS_GOOD"));
    QCOMPARE(client.verifyAddress(pageAddressText), 1);
    QCOMPARE(client.addressReply(), QByteArray("ADDRESS1=1 Main St"));
    QCOMPARE(client.verifyAddress(pageAddressText), 0);
    QCOMPARE(client.verifyAddress(pageAddressText), 2);
    QCOMPARE(client.verifyAddress(pageAddressText), 7);
    QCOMPARE(client.addressReply(), QByteArray("ADDRESS1=1 Main St"));
}

void TestRegistrationRequests::submissionSucceedsOnlyOnZero_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("1") << 1 << false;
    QTest::newRow("65536") << 65536 << false;
}

void TestRegistrationRequests::submissionSucceedsOnlyOnZero()
{
    QFETCH(int, result);
    QFETCH(bool, accepted);
    EngineClient client;
    useRecordingEntry(client);
    results = {0, result};
    QCOMPARE(client.submitRegistration(registrationText), accepted);
}

void TestRegistrationRequests::pageFormConvertsAndNarrows_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<int>("engineResult");
    QTest::addColumn<QByteArray>("sentCity");
    QTest::addColumn<int>("pageResult");

    QTest::newRow("Latin-1") << QStringLiteral("Z\u00fcrich") << 1 << QByteArray("Z\xfcrich") << 1;
    QTest::newRow("outside Latin-1") << QStringLiteral("\u0141\u00f3d\u017a") << 0
                                     << QByteArray("?\xf3"
                                                   "d?")
                                     << 0;
    QTest::newRow("65537 narrows to 1")
        << QStringLiteral("Town") << 65537 << QByteArray("Town") << 1;
    QTest::newRow("40000 narrows to negative")
        << QStringLiteral("Town") << 40000 << QByteArray("Town") << -25536;
    QTest::newRow("negative stays") << QStringLiteral("Town") << -3 << QByteArray("Town") << -3;
}

void TestRegistrationRequests::pageFormConvertsAndNarrows()
{
    QFETCH(QString, city);
    QFETCH(int, engineResult);
    QFETCH(QByteArray, sentCity);
    QFETCH(int, pageResult);

    EngineClient client;
    useRecordingEntry(client);
    results = {0, engineResult};
    const QString text = QStringLiteral("ADDRESS1=1 Main St,ADDRESS2=,CITY=%1,STATE=XX,"
                                        "REGION_NAME=R,POSTCODE=1,COUNTRY=YY,COUNTRY_NAME=C")
                             .arg(city);
    const qint16 result = client.verifyAddress(text);
    QCOMPARE(int(result), pageResult);
    QCOMPARE(EngineClient::lookUpValue(calls.last().parameters, "CITY"), sentCity);
}

void TestRegistrationRequests::withoutEngineRequestsFail()
{
    EngineClient client;
    client.setCallerType("KVB");
    const int result = client.verifyAddress(pageAddressText);
    QVERIFY(result != 0 && result != 1 && result != 2);
    QCOMPARE(client.addressReply(), QByteArray("ADDRESS_GOOD"));
    QVERIFY(!client.submitRegistration(registrationText));
}

QTEST_GUILESS_MAIN(TestRegistrationRequests)
#include "tst_registrationrequests.moc"
