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

#include <memory>

// The catalogues the build puts into its data folder, checked against
// Debian's iso-codes as the build found them.
class TestSampleCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyIsoCountryOnceInAlphabeticalOrder();
    void everyCountryHasRegionsWithDistinctCodes();
    void namesTravelInCommaSeparatedTexts();
    void unitedStatesOffersItsStatesAndDistricts();
    void resellersAreListed();

private:
    static QJsonArray isoEntries(const QString &file, const QString &key);
    QMultiHash<QString, const RegionEntry *> m_regionsByCountry;
    std::unique_ptr<XMLRegStruct> m_catalogue;
};

QJsonArray TestSampleCatalogues::isoEntries(const QString &file, const QString &key)
{
    QFile json("/usr/share/iso-codes/json/" + file);
    if (!json.open(QIODevice::ReadOnly))
        return QJsonArray();
    return QJsonDocument::fromJson(json.readAll()).object().value(key).toArray();
}

void TestSampleCatalogues::initTestCase()
{
    DataFolder::setPath(KVB_BIN_DIR "/../share/Tarn/CustomData/");
    m_catalogue = std::make_unique<XMLRegStruct>();
    for (const RegionEntry *region : m_catalogue->regions())
        m_regionsByCountry.insert(region->country->longName, region);
    QVERIFY(!m_catalogue->regions().isEmpty());
}

void TestSampleCatalogues::everyIsoCountryOnceInAlphabeticalOrder()
{
    QSet<QString> isoCodes;
    for (const QJsonValue &entry : isoEntries("iso_3166-1.json", "3166-1"))
        isoCodes.insert(entry.toObject().value("alpha_2").toString());
    QVERIFY(isoCodes.size() > 240);

    const QStringList names = m_catalogue->countryNames();
    QSet<QString> codes;
    for (const QString &name : names)
        codes.insert(m_catalogue->countryCode(name));
    QCOMPARE(names.size(), isoCodes.size());
    QCOMPARE(codes, isoCodes);

    // Alphabetical as a reader sees it: "Åland Islands" among the A's.
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 1; i < names.size(); ++i)
        QVERIFY2(collator.compare(names.at(i - 1), names.at(i)) < 0, qPrintable(names.at(i)));
}

void TestSampleCatalogues::everyCountryHasRegionsWithDistinctCodes()
{
    for (const QString &country : m_catalogue->countryNames()) {
        const QList<const RegionEntry *> regions = m_regionsByCountry.values(country);
        QVERIFY2(!regions.isEmpty(), qPrintable(country));
        QSet<QString> codes;
        QSet<QString> names;
        for (const RegionEntry *region : regions) {
            QVERIFY2(
                !region->shortCode.isEmpty() && !region->longName.isEmpty(), qPrintable(country));
            codes.insert(region->shortCode);
            names.insert(region->longName);
        }
        QVERIFY2(codes.size() == regions.size(), qPrintable(country));
        QVERIFY2(names.size() == regions.size(), qPrintable(country));
    }
}

void TestSampleCatalogues::namesTravelInCommaSeparatedTexts()
{
    for (const RegionEntry *region : m_catalogue->regions()) {
        for (const QString &text : {region->country->longName, region->country->shortName,
                 region->longName, region->shortCode}) {
            QVERIFY2(!text.contains(',') && !text.contains('='), qPrintable(text));
            QCOMPARE(text, text.trimmed());
        }
    }
}

void TestSampleCatalogues::unitedStatesOffersItsStatesAndDistricts()
{
    int isoCount = 0;
    for (const QJsonValue &value : isoEntries("iso_3166-2.json", "3166-2")) {
        const QJsonObject entry = value.toObject();
        if (entry.value("code").toString().startsWith("US-") && !entry.contains("parent"))
            ++isoCount;
    }
    const QList<const RegionEntry *> regions = m_regionsByCountry.values("United States");
    QCOMPARE(regions.size(), isoCount);
    for (const RegionEntry *region : regions)
        QVERIFY2(region->shortCode.size() == 2, qPrintable(region->shortCode));
    QCOMPARE(m_catalogue->countryCode("United States"), QString("US"));
    QCOMPARE(m_catalogue->regionCode("California"), QString("CA"));
    QCOMPARE(m_catalogue->regionCode("District of Columbia"), QString("DC"));
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
