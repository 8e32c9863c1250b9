#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QCollator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

// The entries of one of iso-codes' files, read without the program's help.
static QJsonArray isoEntries(const QString &standard)
{
    QFile file("/usr/share/iso-codes/json/iso_" + standard + ".json");
    if (!file.open(QIODevice::ReadOnly))
        return QJsonArray();
    return QJsonDocument::fromJson(file.readAll()).object().value(standard).toArray();
}

// Names travel unescaped in comma-separated key=value texts.
static bool usable(const QString &text)
{
    return !text.isEmpty() && text == text.trimmed() && !text.contains(',') && !text.contains('=')
        && !text.contains('*') && !text.contains(QChar(0x2020));
}

// The catalogues that the build puts into its data folder.
class TestSampleCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DataFolder::setPath(KVB_BIN_DIR "/../share/Tarn/CustomData/"); }
    void everyIsoCountryOnceInAlphabeticalOrder();
    void regionsAreUsable();
    void resellersAreUsable();
};

void TestSampleCatalogues::everyIsoCountryOnceInAlphabeticalOrder()
{
    QSet<QString> isoCodes;
    for (const QJsonValue &entry : isoEntries("3166-1"))
        isoCodes.insert(entry.toObject().value("alpha_2").toString());
    QVERIFY(isoCodes.size() > 240);

    // A country is listed through its regions, so each one listed has some.
    XMLRegStruct catalogue;
    const QStringList names = catalogue.countryNames();
    QSet<QString> codes;
    for (const QString &name : names)
        codes.insert(catalogue.countryCode(name));
    QCOMPARE(names.size(), isoCodes.size());
    QCOMPARE(codes, isoCodes);

    // Alphabetical as a reader sees it: "Åland Islands" among the A's.
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 1; i < names.size(); ++i)
        QVERIFY2(collator.compare(names.at(i - 1), names.at(i)) < 0, qPrintable(names.at(i)));
}

void TestSampleCatalogues::regionsAreUsable()
{
    const XMLRegStruct catalogue;
    QSet<QString> seen; // "country|name" and "country|code"
    int unitedStates = 0;
    for (const RegionEntry *region : catalogue.regions()) {
        const QString country = region->country->longName;
        for (const QString &text :
            {country, region->country->shortName, region->longName, region->shortCode})
            QVERIFY2(usable(text), qPrintable(country + ": " + text));
        QVERIFY2(!seen.contains(country + '|' + region->longName), qPrintable(region->longName));
        QVERIFY2(!seen.contains(country + '|' + region->shortCode), qPrintable(region->shortCode));
        seen << country + '|' + region->longName << country + '|' + region->shortCode;
        QCOMPARE(catalogue.regionCode(region->longName, country), region->shortCode);
        if (country == "United States") {
            ++unitedStates;
            QVERIFY2(region->shortCode.size() == 2, qPrintable(region->shortCode));
        }
    }

    // The states and districts of the United States, with their postal codes.
    int isoCount = 0;
    for (const QJsonValue &value : isoEntries("3166-2")) {
        const QJsonObject entry = value.toObject();
        isoCount += entry.value("code").toString().startsWith("US-") && !entry.contains("parent");
    }
    QCOMPARE(unitedStates, isoCount);
    QCOMPARE(catalogue.regionCode("District of Columbia", "United States"), QString("DC"));
}

void TestSampleCatalogues::resellersAreUsable()
{
    XMLResellerStruct resellers;
    const QStringList names = resellers.resellerNames();
    QVERIFY(!names.isEmpty());
    QCOMPARE(resellers.entries().size(), names.size());
    for (const QString &name : names)
        QVERIFY2(usable(name), qPrintable(name));
}

QTEST_GUILESS_MAIN(TestSampleCatalogues)
#include "tst_samplecatalogues.moc"
