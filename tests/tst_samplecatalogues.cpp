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

// The catalogues that the build puts into its data folder.
class TestSampleCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DataFolder::setPath(KVB_BIN_DIR "/../share/Tarn/CustomData/"); }
    void everyIsoCountryOnceInAlphabeticalOrder();
    void namesAndCodesAreUsable();
    void unitedStatesOffersItsStatesAndDistricts();
    void resellersAreListed();
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

void TestSampleCatalogues::namesAndCodesAreUsable()
{
    const XMLRegStruct catalogue;
    QSet<QString> regionsSeen; // "country|name" and "country|code"
    for (const RegionEntry *region : catalogue.regions()) {
        const QString country = region->country->longName;
        QVERIFY2(!regionsSeen.contains(country + '|' + region->longName), qPrintable(country));
        QVERIFY2(!regionsSeen.contains(country + '|' + region->shortCode), qPrintable(country));
        regionsSeen << country + '|' + region->longName << country + '|' + region->shortCode;
        for (const QString &text :
            {country, region->country->shortName, region->longName, region->shortCode}) {
            // Names travel unescaped in comma-separated key=value texts.
            QVERIFY2(!text.isEmpty() && text == text.trimmed(), qPrintable(text));
            QVERIFY2(!text.contains(',') && !text.contains('='), qPrintable(text));
            QVERIFY2(!text.contains('*') && !text.contains(QChar(0x2020)), qPrintable(text));
        }
    }
}

void TestSampleCatalogues::unitedStatesOffersItsStatesAndDistricts()
{
    int isoCount = 0;
    for (const QJsonValue &value : isoEntries("3166-2")) {
        const QJsonObject entry = value.toObject();
        if (entry.value("code").toString().startsWith("US-") && !entry.contains("parent"))
            ++isoCount;
    }
    XMLRegStruct catalogue;
    int count = 0;
    for (const RegionEntry *region : catalogue.regions()) {
        if (region->country->longName == "United States") {
            ++count;
            QVERIFY2(region->shortCode.size() == 2, qPrintable(region->shortCode));
        }
    }
    QCOMPARE(count, isoCount);
    QCOMPARE(catalogue.countryCode("United States"), QString("US"));
    QCOMPARE(catalogue.regionCode("California"), QString("CA"));
    QCOMPARE(catalogue.regionCode("District of Columbia"), QString("DC"));
}

void TestSampleCatalogues::resellersAreListed()
{
    XMLResellerStruct resellers;
    const QStringList names = resellers.resellerNames();
    QCOMPARE(names.size(), 12);
    QCOMPARE(resellers.entries().size(), names.size());
    for (const QString &name : names)
        QVERIFY2(
            !name.contains(',') && !name.contains('=') && name == name.trimmed(), qPrintable(name));
}

QTEST_GUILESS_MAIN(TestSampleCatalogues)
#include "tst_samplecatalogues.moc"
