#include "engine/engineclient.h"

#include <QTest>

#include <cstring>
#include <memory>

namespace {

// A stand-in entry point that records every call as "command parameters" and
// answers with the next queued result and reply.
QByteArrayList calls;
QList<int> results;
QByteArrayList replies;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    calls << QByteArray(command) + ' ' + parameters;
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

const QByteArray announce = "SetCallerType callerType=KVB";

} // namespace

class TestRegistrationRequests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookUpValue_data();
    void lookUpValue();
    void textsBecomeRequests();
    void tooShortTextsAnnounceButDoNotSend();
    void replyAndResult();
    void pageFormConvertsAndNarrows();
    void withoutEngineRequestsFail();

private:
    std::unique_ptr<EngineClient> m_client;
};

void TestRegistrationRequests::init()
{
    calls.clear();
    results.clear();
    replies.clear();
    m_client = std::make_unique<EngineClient>();
    m_client->setEngineEntry(recordingEntry);
    m_client->setCallerType("KVB");
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

void TestRegistrationRequests::textsBecomeRequests()
{
    m_client->verifyAddress(pageAddressText);
    m_client->verifyAddress(QByteArray("COUNTRY=YY,A,B,C,D,E,F,G"));
    QVERIFY(m_client->submitRegistration(registrationText));

    // The engine receives the pairs it needs in the byte order of their keys.
    QCOMPARE(calls,
        QByteArrayList({announce,
            "SENDADDRESS ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,COUNTRY=YY,POSTCODE=12345,"
            "Register=1,STATE=XX",
            announce,
            "SENDADDRESS ADDRESS1=UNSUPPORTED,ADDRESS2=UNSUPPORTED,CITY=UNSUPPORTED,COUNTRY=YY,"
            "POSTCODE=UNSUPPORTED,Register=1,STATE=UNSUPPORTED",
            announce,
            "SENDREGDATA ADDRESS1=1 Main St,ADDRESS2=,BusinessType=Film,CITY=Town,COUNTRY=YY,"
            "Company=Acme,ContactMe=0,Department=,Email=ann@example.com,FirstName=Ann,"
            "LastName=Lee,OtherSystems=0,POSTCODE=12345,Phone=555,PurchaseDate=05/01/2024,"
            "PurchaseLocation=Tarn Reseller,Register=2,Reseller=Best Video,STATE=XX,Serial=S-9,"
            "SystemID=ABC-123,ThirdParty=1,Title=Ms,UserType=Editor,WorkType=Other,"
            "WorkTypeOther=Games"}));
}

void TestRegistrationRequests::tooShortTextsAnnounceButDoNotSend()
{
    // An address needs 8 items, a registration 19.
    const struct
    {
        bool address;
        QByteArray text;
        bool sent;
    } texts[] = {{true, "A=1,,,,,,", false}, {true, "A=1,,,,,,,", true},
        {true, QByteArray("A=1,,,\0,,,,,,,,", 16), false}, {false, QByteArray(17, ','), false},
        {false, QByteArray(18, ','), true}};
    for (const auto &[address, text, sent] : texts) {
        calls.clear();
        if (address)
            QCOMPARE(m_client->verifyAddress(text) == EngineClient::TextTooShort, !sent);
        else
            QCOMPARE(m_client->submitRegistration(text), sent);
        QCOMPARE(calls.mid(0, 1), QByteArrayList {announce});
        QCOMPARE(calls.size(), sent ? 2 : 1);
    }
}

void TestRegistrationRequests::replyAndResult()
{
    // The corrected address is kept from the last reply with result 1 only.
    QCOMPARE(m_client->addressReply(), QByteArray("ADDRESS_GOOD"));
    results = {0, 2, 0, 1, 0, 0, 0, 2, 0, 7};
    replies = {
        "", "UNVERIFIED", "", "ADDRESS1=1 Main St", "", "VERIFIED", "", "UNVERIFIED", "", "FAILED"};
    QCOMPARE(m_client->verifyAddress(pageAddressText), 2);
    QCOMPARE(m_client->addressReply(), QByteArray("ADDRESS_GOOD"));
    QCOMPARE(m_client->verifyAddress(pageAddressText), 1);
    QCOMPARE(m_client->addressReply(), QByteArray("ADDRESS1=1 Main St"));
    QCOMPARE(m_client->verifyAddress(pageAddressText), 0);
    QCOMPARE(m_client->verifyAddress(pageAddressText), 2);
    QCOMPARE(m_client->verifyAddress(pageAddressText), 7);
    QCOMPARE(m_client->addressReply(), QByteArray("ADDRESS1=1 Main St"));

    // A submission succeeds on 0 alone.
    for (const int result : {0, 1, 65536}) {
        results = {0, result};
        QCOMPARE(m_client->submitRegistration(registrationText), result == 0);
    }
}

void TestRegistrationRequests::pageFormConvertsAndNarrows()
{
    // The page's form takes Unicode text, sends it composed, as Latin-1 with
    // one "?" for each other character, and narrows the result to 16 bits.
    const struct
    {
        QString city;
        int engineResult;
        QByteArray sentCity;
        int pageResult;
    } rows[] = {{QStringLiteral("Z\u00fcrich"), 1, "Z\xfcrich", 1},
        {QStringLiteral("\u0141\u00f3d\u017a"), 0,
            "?\xf3"
            "d?",
            0},
        {QStringLiteral("Cafe\u0301 \U0001F600"), 0, "Caf\xe9 ?", 0}, {"Town", 65537, "Town", 1},
        {"Town", 40000, "Town", -25536}, {"Town", -3, "Town", -3}};
    for (const auto &row : rows) {
        results = {0, row.engineResult};
        const qint16 result = m_client->verifyAddress(
            QStringLiteral("ADDRESS1=1 Main St,ADDRESS2=,CITY=%1,STATE=XX,REGION_NAME=R,"
                           "POSTCODE=1,COUNTRY=YY,COUNTRY_NAME=C")
                .arg(row.city));
        QCOMPARE(int(result), row.pageResult);
        QCOMPARE(EngineClient::lookUpValue(calls.last().mid(sizeof "SENDADDRESS"), "CITY"),
            row.sentCity);
    }
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
