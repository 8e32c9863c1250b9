// What a registration carries besides the pages' fields: the purchase date worked out from the
// chosen day, and the two values that the launching host hands over.
#include "regdata/hostvalues.h"
#include "regdata/purchasedetails.h"
#include "support/environment.h"

#include <QFile>
#include <QTest>

#include <time.h>

class TestPurchase : public QObject
{
    Q_OBJECT

private slots:
    void purchaseDate_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("month"); // from 0
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("text");

        const auto row = [](const char *name, const char *zone, int month, int day, int year,
                             const char *text) {
            QTest::newRow(name) << QByteArray(zone) << month << day << year << text;
        };
        row("an hour west of UTC", "UTC-1", 2, 15, 2010, "01/13/2010 23:00:01");
        row("the 31st", "UTC-1", 2, 31, 2024, "01/29/2024 23:00:01");
        row("January 1st", "UTC-1", 0, 1, 2010, "10/29/2009 23:00:01");
        row("no month", "UTC-1", -1, 15, 2010, "");
        row("London in summer", "Europe/London", 7, 15, 2026, "06/14/2026 00:00:01");
        // Dublin flags its winter as daylight saving time and keeps London's clock all year.
        row("Dublin in winter", "Europe/Dublin", 2, 15, 2026, "01/14/2026 00:00:01");
        row("Dublin in summer", "Europe/Dublin", 7, 15, 2026, "06/14/2026 00:00:01");
        row("Sydney", "Australia/Sydney", 7, 15, 2026, "06/13/2026 14:00:01");
    }

    // Month and day go one too low, the month counted from 0, at one second past midnight in the
    // zone's winter time, printed as UTC.
    void purchaseDate()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, text);
#ifdef Q_OS_WIN
        if (zone.contains('/'))
            QSKIP("The C library of Windows takes a zone by its rule, never by its name.");
#endif

        {
            ScopedEnvironment environment;
            environment.set("TZ", zone);
            tzset();
            QCOMPARE(PurchaseDetails::dateText(month, day, year), text);
        }
        tzset();
    }

    // The launching host hands the two values over in the environment; when they are unset or
    // empty this program's identifier of the machine goes, and no serial number. That
    // identifier is a keyed hash of the machine's id, never the id itself, and the same each
    // time; the expected ones here were worked out apart from the program.
    void hostValues()
    {
        QCOMPARE(HostValues::applicationMachineId("00112233445566778899aabbccddeeff"),
            "af74b6270c0044cb86f01a9729331e67");
        QCOMPARE(HostValues::applicationMachineId("4f5e8a1c-2b3d-4e6f-7081-92a3b4c5d6e7"),
            "058bc87f814340dcb435ae4f0c072705");
        QCOMPARE(HostValues::applicationMachineId(""), "");

        const auto sent = [] { return HostValues::systemId() + '|' + HostValues::serialNumber(); };
        ScopedEnvironment environment;
        environment.unset("KVB_SYSTEM_ID");
        environment.unset("KVB_SERIAL");
#ifndef Q_OS_WIN
        // Windows keeps the machine's id in its registry.
        QFile machineId("/etc/machine-id");
        if (machineId.open(QIODevice::ReadOnly)) {
            const QByteArray machine = machineId.readAll().trimmed();
            const QString derived = HostValues::applicationMachineId(machine) + '|';
            QCOMPARE(sent(), derived);
            QVERIFY(!sent().contains(QString::fromLatin1(machine)));
            environment.set("KVB_SYSTEM_ID", "");
            environment.set("KVB_SERIAL", "");
            QCOMPARE(sent(), derived);
        }
#endif
        environment.set("KVB_SYSTEM_ID", "SYS-1");
        environment.set("KVB_SERIAL", "SN-2");
        QCOMPARE(sent(), "SYS-1|SN-2");
    }
};

QTEST_GUILESS_MAIN(TestPurchase)
#include "tst_purchase.moc"
