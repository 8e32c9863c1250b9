// The engine client, and the texts that the pages hand it: the requests, the values they carry,
// and the reading of a corrected address.
#include "engine/engineclient.h"
#include "engine/enginetext.h"
#include "engine/keyvaluetext.h"
#include "engine/requestkeys.h"
#include "engine/requesttext.h"

#include <QTest>

#include <cstring>
#include <optional>

namespace {

// A stand-in entry point that records every call as "command parameters" and answers with the
// next queued result and reply.
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

const QByteArray announce = "SetCallerType callerType=KVB";
const QByteArray address = "ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,REGION_NAME=R,"
                           "POSTCODE=12345,COUNTRY=YY,COUNTRY_NAME=C";
// In the order in which the purchase page writes it.
const QByteArray registration
    = "FirstName=Ann,LastName=Lee,Company=Acme,Department=,Email=ann@example.com,Phone=555,"
      "Title=Ms,ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,REGION_NAME=R,POSTCODE=12345,"
      "COUNTRY=YY,COUNTRY_NAME=C,PurchaseDate=05/01/2024,BusinessType=Film,"
      "PurchaseLocation=Tarn Reseller,Reseller=Best Video,UserType=Editor,WorkType=Other,"
      "WorkTypeOther=Games,OtherSystems=0,ThirdParty=1,ContactMe=0,SystemID=ABC-123,Serial=S-9";

} // namespace

class TestEngineClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void textsBecomeRequests();
    void resultsAndReplies();
    void namesReachTheEngineAsLatin1_data();
    void namesReachTheEngineAsLatin1();
    void typedSeparators();
    void unusableOrFaultyEngine_data();
    void unusableOrFaultyEngine();
    void correctedReply_data();
    void correctedReply();

private:
    std::optional<EngineClient> m_client;
};

void TestEngineClient::init()
{
    calls.clear();
    results.clear();
    replies.clear();
    m_client.emplace();
    m_client->setEngineEntry(recordingEntry);
    m_client->setCallerType("KVB");
}

// Every request announces the caller first, and hands the engine the pairs it needs in the
// byte order of their keys.
void TestEngineClient::textsBecomeRequests()
{
    // A value is looked up by its whole key, in the first item that has it, up to a comma or
    // a further "="; a key that no item has gives "UNSUPPORTED".
    m_client->verifyAddress(
        QByteArray("COUNTRY_NAME=Chad,COUNTRY=TD,Company=CITY=Rome,city=Oslo,CITY=Town=x,"
                   "ADDRESS1,ADDRESS1=1 Main St, Suite 5,ADDRESS1=2 Main St,STATE=,"));
    QVERIFY(m_client->submitRegistration(registration));
    QCOMPARE(calls,
        QByteArrayList({announce,
            "SENDADDRESS ADDRESS1=1 Main St,ADDRESS2=UNSUPPORTED,CITY=Town,COUNTRY=TD,"
            "POSTCODE=UNSUPPORTED,Register=1,STATE=",
            announce,
            "SENDREGDATA ADDRESS1=1 Main St,ADDRESS2=,BusinessType=Film,CITY=Town,COUNTRY=YY,"
            "Company=Acme,ContactMe=0,Department=,Email=ann@example.com,FirstName=Ann,"
            "LastName=Lee,OtherSystems=0,POSTCODE=12345,Phone=555,PurchaseDate=05/01/2024,"
            "PurchaseLocation=Tarn Reseller,Register=2,Reseller=Best Video,STATE=XX,Serial=S-9,"
            "SystemID=ABC-123,ThirdParty=1,Title=Ms,UserType=Editor,WorkType=Other,"
            "WorkTypeOther=Games"}));

    // An address needs 8 items, a registration 19, and a text ends at a zero byte; the caller is
    // announced all the same.
    calls.clear();
    QCOMPARE(m_client->verifyAddress(QByteArray(6, ',')), EngineClient::TextTooShort);
    QCOMPARE(m_client->verifyAddress(QByteArray(",,,\0,,,,,,,", 11)), EngineClient::TextTooShort);
    QVERIFY(!m_client->submitRegistration(QByteArray(17, ',')));
    QCOMPARE(calls, QByteArrayList(3, announce));
    QCOMPARE(m_client->verifyAddress(QByteArray(7, ',')), 0);
    QVERIFY(m_client->submitRegistration(QByteArray(18, ',')));
    QCOMPARE(calls.size(), 7);
}

void TestEngineClient::resultsAndReplies()
{
    // The corrected address comes from the last reply with result 1 alone.
    QCOMPARE(m_client->addressReply(), QByteArray("ADDRESS_GOOD"));
    const QByteArray corrected = "ADDRESS1=1 Main St";
    results = {0, 2, 0, 1, 0, 7};
    replies = {"", "UNVERIFIED", "", corrected, "", "FAILED"};
    const std::pair<int, QByteArray> steps[]
        = {{2, "ADDRESS_GOOD"}, {1, corrected}, {7, corrected}};
    for (const auto &[code, reply] : steps) {
        QCOMPARE(m_client->verifyAddress(address), code);
        QCOMPARE(m_client->addressReply(), reply);
    }
    // A submission succeeds on 0 alone.
    for (const int result : {0, 1, 65536}) {
        results = {0, result};
        QCOMPARE(m_client->submitRegistration(registration), result == 0);
    }
    // The page's form of the check hands the engine its text as engineText() makes it, and
    // narrows the result to 16 bits.
    results = {0, 40000};
    QCOMPARE(
        m_client->verifyAddress("CITY=Z\u00fcrich \u5343," + QString::fromLatin1(address)), -25536);
    QVERIFY(calls.last().contains(",CITY=Z\xfcrich ?,"));
}

void TestEngineClient::namesReachTheEngineAsLatin1_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("loses"); // whether the page warns

    const auto row = [](const char *name, const char *text, const char *sent, bool loses) {
        QTest::newRow(name) << QString::fromUtf8(text) << QByteArray(sent) << loses;
    };
    row("Latin-1 with accents", "Zo\u00eb Bront\u00eb", "Zo\xeb Bront\xeb", false);
    row("U+00FF, the last of Latin-1", "\u00ff", "\xff", false);
    row("U+0100, the first beyond", "\u0100", "?", true);
    row("kanji, with digits", "\u5343\u4ee3\u7530 1-9-1", "??? 1-9-1", true);
    row("an emoji, two UTF-16 units", "Acme \U0001F600", "Acme ?", true);
    row("a letter and a combining accent", "Cafe\u0301", "Caf\xe9", false);
}

// Composed first, then one "?" for each character beyond Latin-1; the page warns exactly when a
// "?" stands for a character.
void TestEngineClient::namesReachTheEngineAsLatin1()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, sent);
    QFETCH(bool, loses);
    QCOMPARE(engineText(name), sent);
    QCOMPARE(losesCharacters(name), loses);
}

// What the user typed is never cut: in a value typed, "," and "=" go as blanks. A value chosen
// from a list, such as the maker's own caption "Other, Please Specify", goes as it is, as the
// service knows it.
void TestEngineClient::typedSeparators()
{
    const QString value = "x,y=z";
    const ContactRecord contact {value, value, value, value, value, value, value};
    const AddressRecord address {value, value, value, value, value, value, value, value};
    const PurchaseDetails purchase {
        value, value, value, value, value, value, value, value, value, value};
    const QByteArrayList typed {"FirstName", "LastName", "Company", "Department", "Email", "Phone",
        "Title", "WorkTypeOther", "ADDRESS1", "ADDRESS2", "CITY", "POSTCODE"};
    const QByteArray addressBytes = engineText(RequestText::address(address));
    const KeyValueText addressText(addressBytes);
    for (const char *key : RequestKeys::Address)
        QCOMPARE(addressText.value(key), typed.contains(key) ? "x y z" : "x");
    const QByteArray registrationBytes
        = engineText(RequestText::registration(value, value, contact, purchase, address));
    const KeyValueText registrationText(registrationBytes);
    for (const char *key : RequestKeys::Registration)
        QCOMPARE(registrationText.value(key), typed.contains(key) ? "x y z" : "x");
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
    // The program reads no further than the buffer, which under the address sanitizer is
    // fenced on both sides.
    QTest::newRow("reply filling the buffer without a terminator")
        << QByteArray("reply256") << 1 << QByteArray(255, 'r');
}

// Each engine answers every command alike. A library that cannot be used also ends the use of
// any entry point set before.
void TestEngineClient::unusableOrFaultyEngine()
{
    QFETCH(QByteArray, engine);
    QFETCH(int, code);
    QFETCH(QByteArray, addressReply);

    m_client->loadEngineLibrary(KVB_TEST_ENGINES_DIR "/" + engine.toStdString() + "/libQuill.so");
    QCOMPARE(m_client->verifyAddress(address), code);
    QCOMPARE(m_client->addressReply(), addressReply);
    QVERIFY(!m_client->submitRegistration(registration));
    QVERIFY(calls.isEmpty());
}

void TestEngineClient::correctedReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("read"); // the address after, its parts joined by "|"

    // The third part is the service's own, and is skipped.
    const QByteArray full = "ADDRESS1=1 Main St,ADDRESS2=,ISO=TL-N,CITY=Town,STATE=N1,"
                            "REGION_NAME=North,POSTCODE=1,COUNTRY=TL,COUNTRY_NAME=Land";
    const auto row = [](const char *name, const QByteArray &reply, const char *read) {
        QTest::newRow(name) << reply << read;
    };
    row("nine parts", full, "1 Main St||Town|North|N1|1|Land|TL");
    row("position 4 lacks CITY", QByteArray(full).replace("CITY", "city"),
        "1 Main St||before|North|N1|1|Land|TL");
    row("a value with a second =", QByteArray(full).replace("=Land", "=La=nd"),
        "1 Main St||Town|North|N1|1|La=nd|TL");
    row("the key anywhere, no =", QByteArray(full).replace("POSTCODE=1", "xPOSTCODE"),
        "1 Main St||Town|North|N1|xPOSTCODE|Land|TL");
    row("eight parts: too short to read", full.left(full.lastIndexOf(',')),
        "before|before|before|before|before|before|before|before");
}

// Each part at its own position, taken only when it holds its key; a reply too short to read
// changes nothing.
void TestEngineClient::correctedReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, read);

    AddressRecord address {
        "before", "before", "before", "before", "before", "before", "before", "before"};
    QCOMPARE(RequestText::readCorrectedAddress(QString::fromLatin1(reply), address),
        !read.startsWith("before|"));
    QCOMPARE(QStringList({address.streetAddress1, address.streetAddress2, address.city,
                             address.regionName, address.regionCode, address.postcode,
                             address.countryName, address.countryCode})
                 .join('|'),
        read);
}

QTEST_GUILESS_MAIN(TestEngineClient)
#include "tst_engineclient.moc"
