#include "engine/engineclient.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

Platform::EngineEntry quill = nullptr;

struct Answer
{
    int result;
    QByteArray reply;
};

// Calls the stand-in as the program does, into a 256-byte reply buffer that
// is followed by guard bytes the engine must leave alone.
Answer call(const char *command, const QByteArray &parameters)
{
    char buffer[256 + 64];
    std::memset(buffer, '#', sizeof buffer);
    const int result = quill(command, parameters.constData(), buffer);
    const bool fits = std::memchr(buffer, '\0', 256) != nullptr
        && QByteArray(buffer + 256, 64) == QByteArray(64, '#');
    return Answer {result, fits ? QByteArray(buffer) : QByteArray("REPLY DOES NOT FIT")};
}

// The parameter text that the engine client makes of an address.
QByteArray addressParameters(const QStringList &fields)
{
    const QByteArrayList keys = {"ADDRESS1", "ADDRESS2", "CITY", "STATE", "POSTCODE", "COUNTRY"};
    EngineClient::ParameterMap map {{"Register", "1"}};
    for (int i = 0; i < keys.size(); ++i)
        map.insert(keys[i], fields.value(i).toLatin1());
    return EngineClient::parameterText(map);
}

Answer verify(const QStringList &fields)
{
    call("SetCallerType", "callerType=KVB");
    return call("SENDADDRESS", addressParameters(fields));
}

const QString standardAddress = "350 Fifth Ave||New York|NY|10118|US";

const char *const environment[] = {"QUILL_OUTBOX", "QUILL_ISO_CODES_DIR", "QUILL_FORCE_SENDADDRESS",
    "QUILL_FORCE_SENDADDRESS_REPLY", "QUILL_FORCE_SENDREGDATA"};

} // namespace

class TestQuill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void verifiesAddresses_data();
    void verifiesAddresses();
    void postcodeForms_data();
    void postcodeForms();
    void withoutIsoCodesNothingVerifies();
    void registrationGoesToTheOutbox_data();
    void registrationGoesToTheOutbox();
    void registrationFailures_data();
    void registrationFailures();
    void callerTypeAsAnnounced_data();
    void callerTypeAsAnnounced();
    void forcedAnswers();

private:
    QTemporaryDir m_home;
};

void TestQuill::initTestCase()
{
    quill = Platform::resolveEngineEntry(
        Platform::loadLibrary(KVB_BIN_DIR "/libQuill.so"), "QuillCommandA");
    QVERIFY(quill);
    QVERIFY(m_home.isValid());
    QFile plainFile(m_home.filePath("file"));
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
}

void TestQuill::init()
{
    for (const char *name : environment)
        qunsetenv(name);
    // Nothing may land in the outbox of the user running the tests.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qunsetenv("XDG_STATE_HOME");
}

void TestQuill::verifiesAddresses_data()
{
    // Addresses as "street 1|street 2|city|region|postcode|country".
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("standard") << standardAddress << 0 << QByteArray("VERIFIED");
    QTest::newRow("typed carelessly")
        << "  350  fifth   avenue |SUITE 5|new york|ny|10118|us" << 1
        << QByteArray("ADDRESS1=350 Fifth Ave,ADDRESS2=Suite 5,ISO_CODE=US-NY,CITY=New York,"
                      "STATE=NY,REGION_NAME=New York,POSTCODE=10118,COUNTRY=US,"
                      "COUNTRY_NAME=United States");
    QTest::newRow("compass") << "1600 Pennsylvania Ave n.w.||Washington|DC|20500|US" << 1
                             << QByteArray("ADDRESS1=1600 Pennsylvania Ave NW,ADDRESS2=,"
                                           "ISO_CODE=US-DC,CITY=Washington,STATE=DC,"
                                           "REGION_NAME=District of Columbia,POSTCODE=20500,"
                                           "COUNTRY=US,COUNTRY_NAME=United States");
    QTest::newRow("name outside Latin-1")
        << "ul. Piotrkowska 1||Lodz|10|90-001|PL" << 1
        << QByteArray("ADDRESS1=Ul. Piotrkowska 1,ADDRESS2=,ISO_CODE=PL-10,CITY=Lodz,STATE=10,"
                      "REGION_NAME=?\xf3"
                      "dzkie,POSTCODE=90-001,COUNTRY=PL,COUNTRY_NAME=Poland");
    QTest::newRow("country without regions")
        << "1 Main St||Oranjestad||x1|AW" << 1
        << QByteArray("ADDRESS1=1 Main St,ADDRESS2=,ISO_CODE=AW,CITY=Oranjestad,STATE=AW,"
                      "REGION_NAME=Aruba,POSTCODE=X1,COUNTRY=AW,COUNTRY_NAME=Aruba");
    QTest::newRow("mixed case kept")
        << "12 McDonald Rd|Apt 4b|Saint-Denis|IDF|93200|FR" << 0 << QByteArray("VERIFIED");
    QTest::newRow("US postcode ABCDE")
        << "1 Main St||Town|NY|ABCDE|US" << 2 << QByteArray("UNVERIFIED=POSTCODE");
    QTest::newRow("country ZZ") << "1 Main St||Town|NY|10118|ZZ" << 2
                                << QByteArray("UNVERIFIED=COUNTRY");
    QTest::newRow("US region QQ") << "1 Main St||Town|QQ|10118|US" << 2
                                  << QByteArray("UNVERIFIED=STATE");
    QTest::newRow("no street") << " ||Town|NY|10118|US" << 2 << QByteArray("UNVERIFIED=ADDRESS1");
    QTest::newRow("no city") << "1 Main St|||NY|10118|US" << 2 << QByteArray("UNVERIFIED=CITY");
    QTest::newRow("equals sign") << "1 Main St||Town=x|NY|10118|US" << 2
                                 << QByteArray("UNVERIFIED=CITY");
    QTest::newRow("correction too long") << QString(120, 'a') + " street||" + QString(60, 'b')
            + "|NY|10118|US" << 2 << QByteArray("UNVERIFIED=TOO_LONG");
}

void TestQuill::verifiesAddresses()
{
    QFETCH(QString, address);
    QFETCH(int, result);
    QFETCH(QByteArray, reply);

    const Answer answer = verify(address.split('|'));
    QCOMPARE(answer.result, result);
    QCOMPARE(answer.reply, reply);
    if (result == 1) {
        QStringList corrected;
        for (const QByteArray &item : answer.reply.split(','))
            corrected += QString::fromLatin1(item.mid(item.indexOf('=') + 1));
        const QStringList again
            = {corrected[0], corrected[1], corrected[3], corrected[4], corrected[6], corrected[7]};
        QCOMPARE(verify(again).result, 0);
    }
}

void TestQuill::postcodeForms_data()
{
    // "country|region|postcode entered|standard form", the last empty when
    // the postcode has the wrong form.
    QTest::addColumn<QString>("row");

    for (const char *row : {"US|NY|10118 1234|10118-1234", "US|NY|1011|", "CA|ON|k1a0b1|K1A 0B1",
             "CA|ON|K1A 0BB|", "GB|ENG|sw1a2aa|SW1A 2AA", "NL|NH|1012ab|1012 AB",
             "JP|13|1000001|100-0001", "PL|14|0095|", "SE|AB|114-55|114 55", "DE|BE|10117|10117",
             "DE|BE|D-10117|", "AU|NSW| 2000 |2000", "AR|C| c1425dkb |C1425DKB", "AR|C|  |"})
        QTest::newRow(row) << QString::fromLatin1(row);
}

void TestQuill::postcodeForms()
{
    QFETCH(QString, row);
    const QStringList fields = row.split('|');
    const QString entered = fields[2];
    const QString standard = fields[3];

    const Answer answer = verify({"1 Main St", "", "Town", fields[1], entered, fields[0]});
    if (standard.isEmpty()) {
        QCOMPARE(answer.reply, QByteArray("UNVERIFIED=POSTCODE"));
    } else if (standard == entered) {
        QCOMPARE(answer.result, 0);
    } else {
        QCOMPARE(answer.result, 1);
        QCOMPARE(answer.reply.split(',').value(6), "POSTCODE=" + standard.toLatin1());
    }
}

void TestQuill::withoutIsoCodesNothingVerifies()
{
    QTemporaryDir empty;
    qputenv("QUILL_ISO_CODES_DIR", QFile::encodeName(empty.path()));
    QCOMPARE(verify(standardAddress.split('|')).result, 2);
    qunsetenv("QUILL_ISO_CODES_DIR");
    QCOMPARE(verify(standardAddress.split('|')).result, 0);
}

void TestQuill::registrationGoesToTheOutbox_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("outbox");

    const QString home = m_home.path();
    QTest::newRow("home") << QByteArray() << QString() << home + "/.local/state/quill/outbox.txt";
    QTest::newRow("XDG_STATE_HOME")
        << QByteArray("XDG_STATE_HOME") << home + "/state" << home + "/state/quill/outbox.txt";
    QTest::newRow("QUILL_OUTBOX") << QByteArray("QUILL_OUTBOX") << home + "/admin/registrations"
                                  << home + "/admin/registrations";
}

void TestQuill::registrationGoesToTheOutbox()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, value);
    QFETCH(QString, outbox);

    if (!variable.isEmpty())
        qputenv(variable.constData(), QFile::encodeName(value));
    call("SetCallerType", "callerType=KVB");
    const QByteArray text = "Company=Caf\xe9\tBar,FirstName=Ann,Register=2";
    QCOMPARE(call("SENDREGDATA", text).result, 0);
    QCOMPARE(call("SENDREGDATA", text).result, 0);

    QFile file(outbox);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    const QByteArrayList lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    const QByteArrayList fields = lines[1].split('\t');
    QCOMPARE(fields.size(), 3);
    const QDateTime time = QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
    QCOMPARE(time.timeSpec(), Qt::UTC);
    QVERIFY(qAbs(time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QCOMPARE(fields[1], QByteArray("KVB"));
    QCOMPARE(fields[2], QByteArray("Company=Caf\xc3\xa9\\tBar,FirstName=Ann,Register=2"));
    QVERIFY(file.remove());
}

void TestQuill::registrationFailures_data()
{
    QTest::addColumn<QString>("outbox");
    QTest::addColumn<QByteArray>("parameters");

    QTest::newRow("not a registration")
        << m_home.path() + "/outbox.txt" << QByteArray("Register=1");
    QTest::newRow("full disk") << "/dev/full" << QByteArray("Register=2");
    QTest::newRow("folder is a file")
        << m_home.filePath("file/outbox.txt") << QByteArray("Register=2");
    QTest::newRow("outbox is a folder") << m_home.path() << QByteArray("Register=2");
}

void TestQuill::registrationFailures()
{
    QFETCH(QString, outbox);
    QFETCH(QByteArray, parameters);

    qputenv("QUILL_OUTBOX", QFile::encodeName(outbox));
    const Answer answer = call("SENDREGDATA", parameters);
    QVERIFY(answer.result != 0);
    QVERIFY(!QFile::exists(m_home.path() + "/outbox.txt"));
}

void TestQuill::callerTypeAsAnnounced_data()
{
    QTest::addColumn<QByteArray>("parameters");
    QTest::addColumn<QByteArray>("callerType");

    QTest::newRow("alone") << QByteArray("callerType=KVB") << QByteArray("KVB");
    QTest::newRow("among others") << QByteArray("Register=2,callerType=Host,x")
                                  << QByteArray("Host");
    QTest::newRow("value with =") << QByteArray("callerType=a=b") << QByteArray("a=b");
    QTest::newRow("first of two") << QByteArray("callerType=One,callerType=Two")
                                  << QByteArray("One");
    QTest::newRow("key in a value") << QByteArray("x=callerType=KVB") << QByteArray();
    QTest::newRow("no key") << QByteArray("callerType") << QByteArray();
}

void TestQuill::callerTypeAsAnnounced()
{
    QFETCH(QByteArray, parameters);
    QFETCH(QByteArray, callerType);

    const QString outbox = m_home.filePath("callers.txt");
    qputenv("QUILL_OUTBOX", QFile::encodeName(outbox));
    QCOMPARE(call("SetCallerType", parameters).result, 0);
    QCOMPARE(call("SENDREGDATA", "Register=2").result, 0);

    QFile file(outbox);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArrayList fields = file.readAll().split('\t');
    QCOMPARE(fields.size(), 3);
    QCOMPARE(fields[1], callerType);
    QVERIFY(file.remove());
}

void TestQuill::forcedAnswers()
{
    qputenv("QUILL_FORCE_SENDADDRESS", "7");
    qputenv("QUILL_FORCE_SENDADDRESS_REPLY", QByteArray(300, 'r'));
    const Answer address = verify(standardAddress.split('|'));
    QCOMPARE(address.result, 7);
    QCOMPARE(address.reply, QByteArray(255, 'r'));

    qputenv("QUILL_FORCE_SENDADDRESS", "not a number");
    QCOMPARE(verify(standardAddress.split('|')).result, 0);

    qputenv("QUILL_FORCE_SENDREGDATA", "0");
    qputenv("QUILL_OUTBOX", QFile::encodeName(m_home.path() + "/forced.txt"));
    QCOMPARE(call("SENDREGDATA", "Register=2").result, 0);
    QVERIFY(!QFile::exists(m_home.path() + "/forced.txt"));
}

QTEST_GUILESS_MAIN(TestQuill)
#include "tst_quill.moc"
