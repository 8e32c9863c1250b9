// The stand-in engine's answers to the program's requests, and its outbox.
#include "engine/enginecontract.h"
#include "platform/platform.h"
#include "support/environment.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

EngineContract::Entry quill = nullptr;

// Calls the stand-in into a reply buffer followed by guard bytes that it must leave alone, and
// gives "result reply".
QByteArray call(const char *command, const QByteArray &parameters)
{
    constexpr int size = EngineContract::ReplySize;
    char buffer[size + 64];
    std::memset(buffer, '#', sizeof buffer);
    const int result = quill(command, parameters.constData(), buffer);
    if (!std::memchr(buffer, '\0', size) || QByteArray(buffer + size, 64) != QByteArray(64, '#'))
        return "REPLY DOES NOT FIT";
    return QByteArray::number(result) + ' ' + buffer;
}

} // namespace

class TestQuill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verifiesAddresses_data();
    void verifiesAddresses();
    void registersIntoTheOutbox();

private:
    QTemporaryDir m_home;
    // The whole test case's, given back when it ends.
    ScopedEnvironment m_environment;
};

void TestQuill::initTestCase()
{
    quill = reinterpret_cast<EngineContract::Entry>(Platform::resolveFunction(
        Platform::loadLibrary(KVB_BIN_DIR "/libQuill.so"), EngineContract::EntryName));
    QVERIFY(quill);
    // Nothing may land in the outbox of the user running the tests.
    m_environment.set("HOME", QFile::encodeName(m_home.path()));
    for (const char *name : {"XDG_STATE_HOME", "QUILL_OUTBOX", "QUILL_FORCE_SENDADDRESS"})
        m_environment.unset(name);
}

void TestQuill::verifiesAddresses_data()
{
    QTest::addColumn<QString>("address"); // street 1|street 2|city|region|postcode|country
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("standard") << "350 Fifth Ave||New York|NY|10118|US" << QByteArray("0 VERIFIED");
    // Region names beyond Latin-1 reach the program with "?" in their place.
    QTest::newRow("typed carelessly")
        << "  ul.  piotrkowska   street 1 |APT 4b|lodz|10|90001|pl"
        << QByteArray("1 ADDRESS1=Ul. Piotrkowska St 1,ADDRESS2=Apt 4b,ISO_CODE=PL-10,CITY=Lodz,"
                      "STATE=10,REGION_NAME=?\xf3"
                      "dzkie,POSTCODE=90-001,COUNTRY=PL,"
                      "COUNTRY_NAME=Poland");
    const QByteArray unverified = "2 UNVERIFIED=";
    QTest::newRow("US postcode") << "1 Main St||Town|NY|ABCDE|US" << unverified + "POSTCODE";
    QTest::newRow("no street") << " ||Town|NY|10118|US" << unverified + "ADDRESS1";
    QTest::newRow("correction too long") << QString(120, 'a') + " street||" + QString(60, 'b')
            + "|NY|10118|US" << unverified + "TOO_LONG";
}

void TestQuill::verifiesAddresses()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, answer);
    const QStringList f = address.split('|');
    QCOMPARE(
        call("SENDADDRESS",
            QString("ADDRESS1=%1,ADDRESS2=%2,CITY=%3,COUNTRY=%6,POSTCODE=%5,Register=1,STATE=%4")
                .arg(f[0], f[1], f[2], f[3], f[4], f[5])
                .toLatin1()),
        answer);
}

// "Register=2" alone makes a registration: a line in the outbox with the time, the announced
// caller and the request, whose tabs, line ends and backslashes are escaped. The outbox is the
// first of QUILL_OUTBOX, $XDG_STATE_HOME/quill and ~/.local/state/quill, readable by its owner
// alone, in folders made for the owner alone; when it cannot be written, the answer is 4.
void TestQuill::registersIntoTheOutbox()
{
    const QString home = m_home.path();
    const QString outboxes[] = {home + "/.local/state/quill/outbox.txt",
        home + "/state/quill/outbox.txt", home + "/registrations"};
    const QByteArray text = "Company=Caf\xe9\tBar\\\n,Register=2";
    QCOMPARE(call("SetCallerType", "Register=2,callerType=KVB"), "0 OK");
    QCOMPARE(call("SENDREGDATA", "Register=1"), "3 NOT_A_REGISTRATION");
    QCOMPARE(call("SENDREGDATA", text), "0 REGISTERED");
    ScopedEnvironment environment;
    environment.set("XDG_STATE_HOME", QFile::encodeName(home + "/state"));
    QCOMPARE(call("SENDREGDATA", text), "0 REGISTERED");
    environment.set("QUILL_OUTBOX", QFile::encodeName(outboxes[2]));
    QCOMPARE(call("SENDREGDATA", text), "0 REGISTERED");
    QCOMPARE(call("SENDREGDATA", text), "0 REGISTERED");

    for (const QString &outbox : outboxes) {
        QFile file(outbox);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Neither the file nor a folder made for it lets anyone else in.
        for (const QString &made : {outbox, QFileInfo(outbox).path()})
            QCOMPARE(QFile::permissions(made) & (QFile::ReadGroup | QFile::ReadOther),
                QFile::Permissions());
        const QByteArrayList lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), outbox == outboxes[2] ? 3 : 2);
        const QByteArrayList fields = lines[0].split('\t');
        QCOMPARE(
            fields.mid(1), QByteArrayList({"KVB", "Company=Caf\xc3\xa9\\tBar\\\\\\n,Register=2"}));
        const QDateTime time = QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
        QCOMPARE(time.timeSpec(), Qt::UTC);
        QVERIFY(qAbs(time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    }
    for (const QString &unwritable : {QString("/dev/full"), outboxes[0] + "/outbox.txt"}) {
        environment.set("QUILL_OUTBOX", QFile::encodeName(unwritable));
        QCOMPARE(call("SENDREGDATA", text), "4 OUTBOX_UNWRITABLE");
    }
}

QTEST_GUILESS_MAIN(TestQuill)
#include "tst_quill.moc"
