// The two catalogues: how they are read, the dialogs that offer them, and the sample catalogues
// that the build puts into its data folder.
#include "regdata/countrydialog.h"
#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QCollator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The entries of one of iso-codes' files, read without the program's help.
QJsonArray isoEntries(const QString &standard)
{
    QFile file("/usr/share/iso-codes/json/iso_" + standard + ".json");
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object().value(standard).toArray();
}

QStringList listed(QDialog &dialog)
{
    dialog.show();
    QStringList names;
    for (const auto *list = dialog.findChild<QListWidget *>(); names.size() < list->count();)
        names << list->item(names.size())->text();
    return names;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void catalogues();
    void countryDialog();
    void sampleCatalogues();
};

// Read from tests/data/RegData, and from the same country catalogue in UTF-16 with CRLF line
// ends as some Windows editors save "Unicode" text.
void TestCatalogues::catalogues()
{
    DataFolder::setPath(KVB_TEST_DATA_DIR "/");
    XMLResellerStruct resellers;
    QCOMPARE(resellers.entries().size(), qsizetype(3));
    // Asked twice, as the dialogs do, the lists of names do not grow.
    QCOMPARE(resellers.resellerNames(), QStringList({"Amberline", " Bracken & Sons Ltd "}));
    QCOMPARE(resellers.resellerNames(), QStringList({"Amberline", " Bracken & Sons Ltd "}));
    for (const char *folder : {KVB_TEST_DATA_DIR "/", KVB_TEST_DATA_DIR "/utf16/"}) {
        DataFolder::setPath(folder);
        XMLRegStruct catalogue;
        QStringList regions;
        for (const RegionEntry *region : catalogue.regions())
            regions << region->country->longName + '|' + region->longName + '|' + region->shortCode;
        QCOMPARE(regions,
            QStringList({"Freedonia|North|NO", "Freedonia|Central|CE", "Česko|Plzeň|PL",
                "Česko|Central|CC", "Freedonia|South|SO"}));
        QCOMPARE(catalogue.countryNames(), QStringList({"Freedonia", "Česko"}));
        QCOMPARE(catalogue.countryNames(), QStringList({"Freedonia", "Česko"}));

        // "country>code" and "region@country:code": a region of the chosen country, else the
        // first of that name anywhere.
        for (const QString &lookup : QStringList {"Freedonia>FD", "freedonia>", "Atlantis>",
                 "Deep>", "Česko>CZ", "South@:SO", "Grouped@:", "Central@Česko:CC",
                 "Central@Freedonia:CE", "Central@Atlantis:CE", "central@Freedonia:"}) {
            const QStringList parts = lookup.split(QRegularExpression("[>@:]"));
            QCOMPARE(parts.size() == 2 ? catalogue.countryCode(parts[0])
                                       : catalogue.regionCode(parts[0], parts[1]),
                parts.last());
        }
    }
}

// Each opening reads the catalogue afresh. Select waits for a current item; focus alone makes the
// first item current and highlights what Select takes, and Enter chooses it.
void TestCatalogues::countryDialog()
{
    for (const char *folder : {KVB_TEST_DATA_DIR "/", KVB_BIN_DIR "/../share/Tarn/CustomData/"}) {
        DataFolder::setPath(folder);
        CountryDialog dialog;
        const QStringList names = listed(dialog);
        QCOMPARE(names, XMLRegStruct().countryNames());
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *list = dialog.findChild<QListWidget *>();
        list->setCurrentRow(1);
        list->setCurrentItem(nullptr);
        QVERIFY(!dialog.findChild<QPushButton *>()->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        list->clearFocus();
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem *> {list->item(0)});
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.selectedCountry(), names[0]);
    }
}

// Every ISO 3166 country once, alphabetical as a reader sees it ("Åland Islands" among the
// A's), each region found by its name in its own country, the United States with their postal
// codes, and names that travel unescaped in key=value texts.
void TestCatalogues::sampleCatalogues()
{
    DataFolder::setPath(KVB_BIN_DIR "/../share/Tarn/CustomData/");
    XMLRegStruct catalogue;
    XMLResellerStruct resellers;
    QSet<QString> isoCodes, codes;
    for (const QJsonValue &entry : isoEntries("3166-1"))
        isoCodes << entry.toObject().value("alpha_2").toString();
    QStringList names = catalogue.countryNames();
    for (const QString &name : names)
        codes << catalogue.countryCode(name);
    QCOMPARE(names.size(), isoCodes.size());
    QCOMPARE(codes, isoCodes);
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QVERIFY(std::is_sorted(names.cbegin(), names.cend(), collator));

    for (const RegionEntry *region : catalogue.regions()) {
        QCOMPARE(
            catalogue.regionCode(region->longName, region->country->longName), region->shortCode);
        QVERIFY(region->country->shortName != "US" || region->shortCode.size() == 2);
        names << region->longName << region->shortCode << region->country->shortName;
    }
    QCOMPARE(catalogue.regionCode("District of Columbia", "United States"), QString("DC"));
    names << resellers.resellerNames();
    QVERIFY(resellers.entries().size() > 0);
    for (const QString &name : names)
        QVERIFY2(!name.isEmpty() && name == name.trimmed()
                && !name.contains(QRegularExpression("[,=*\u2020]")),
            qPrintable(name));
}

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
