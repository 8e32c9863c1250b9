// The two catalogues: how they are read, and the sample catalogues that the build puts into its
// data folder.
#include "regdata/countrynames.h"
#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QCollator>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A country catalogue of one country with one region.
QByteArray catalogue(const QByteArray &country)
{
    return "<Countries><Country LongName='" + country + "' ShortName='XX'><State>"
        + "<LongName Short='01'>Capital</LongName></State></Country></Countries>";
}

// A message catalogue (.mo) of pairs, each an original and its translation: a header, the
// tables of the originals and of the translations, each a length and an offset a string, and
// the strings.
QByteArray messageCatalogue(const QList<std::pair<QByteArray, QByteArray>> &pairs, bool bigEndian)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(bigEndian ? QDataStream::BigEndian : QDataStream::LittleEndian);
    const auto count = quint32(pairs.size());
    out << 0x950412deu << 0u << count << 28u << 28 + count * 8 << 0u << 0u;
    QByteArray strings;
    for (const bool translation : {false, true}) {
        for (const auto &pair : pairs) {
            const QByteArray &string = translation ? pair.second : pair.first;
            out << quint32(string.size()) << quint32(28 + count * 16 + strings.size());
            strings += string + '\0';
        }
    }
    return data + strings;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void catalogues();
    void lookups_data();
    void lookups();
    void changedCatalogues_data();
    void changedCatalogues();
    void sampleCatalogues();
    void messageCatalogues_data();
    void messageCatalogues();
};

// Read from tests/data/RegData, and from the same country catalogue in UTF-16 with CRLF line
// ends as some Windows editors save "Unicode" text.
void TestCatalogues::catalogues()
{
    DataFolder::setPath(KVB_TEST_DATA_DIR "/");
    XMLResellerStruct resellers;
    QCOMPARE(resellers.entries().size(), qsizetype(3));
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
    }
}

void TestCatalogues::lookups_data()
{
    QTest::addColumn<QString>("region"); // empty: the country's code is asked
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("code");

    const auto row = [](const char *name, const char *region, const char *country,
                         const char *code) { QTest::newRow(name) << region << country << code; };
    row("a country", "", "Freedonia", "FD");
    row("a country, other letters", "", "freedonia", "");
    row("a country not listed", "", "Atlantis", "");
    row("a country without regions", "", "Deep", "");
    row("a country beyond Latin-1", "", "Česko", "CZ");
    row("a region, no country", "South", "", "SO");
    row("a region without a name", "Grouped", "", "");
    row("a region of the chosen country", "Central", "Česko", "CC");
    row("the same name in another", "Central", "Freedonia", "CE");
    row("a country that lacks it: the first anywhere", "Central", "Atlantis", "CE");
    row("a region, other letters", "central", "Freedonia", "");
}

// A country's code, and a region's: that of the chosen country, else the first of that name
// anywhere. (The catalogue in UTF-16 reads as the same entries, see catalogues().)
void TestCatalogues::lookups()
{
    QFETCH(QString, region);
    QFETCH(QString, country);
    QFETCH(QString, code);
    DataFolder::setPath(KVB_TEST_DATA_DIR "/");
    const XMLRegStruct catalogue;
    QCOMPARE(
        region.isEmpty() ? catalogue.countryCode(country) : catalogue.regionCode(region, country),
        code);
}

void TestCatalogues::changedCatalogues_data()
{
    QTest::addColumn<QByteArray>("after"); // the file at the second use; empty: removed
    QTest::addColumn<QStringList>("countries");

    const auto row = [](const char *name, const QByteArray &after, const QStringList &countries) {
        QTest::newRow(name) << after << countries;
    };
    row("the same size, another content", catalogue("Sweden"), {"Sweden"});
    row("removed", "", {});
    row("replaced by a hostile file", "<!DOCTYPE a [<!ENTITY e 'x'>]>" + catalogue("Finland"), {});
}

// What a read yields is kept while the file is unchanged, and read again when it changed.
void TestCatalogues::changedCatalogues()
{
    QFETCH(QByteArray, after);
    QFETCH(QStringList, countries);

    QTemporaryDir folder;
    DataFolder::setPath(folder.path() + '/');
    const QString file = folder.filePath("RegData/RegMaster.xml");
    QVERIFY(QDir().mkpath(folder.filePath("RegData")));
    const auto write = [&file](const QByteArray &content) {
        QFile written(file);
        return written.open(QIODevice::WriteOnly) && written.write(content) == content.size();
    };
    // A file changed moments before it is read is read again at its next use, whatever the file
    // system says; this one was written an hour ago.
    QVERIFY(write(catalogue("Norway")));
    QFile aged(file);
    QVERIFY(aged.open(QIODevice::ReadOnly)
        && aged.setFileTime(
            QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    const XMLRegStruct first;
    QCOMPARE(first.countryNames(), QStringList {"Norway"});

    if (after.isEmpty())
        QVERIFY(QFile::remove(file));
    else if (after != catalogue("Norway"))
        QVERIFY(write(after));
    QCOMPARE(XMLRegStruct().countryNames(), countries);
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
    // iso-codes' own list, read without the program's help.
    QFile iso("/usr/share/iso-codes/json/iso_3166-1.json");
    QVERIFY(iso.open(QIODevice::ReadOnly));
    for (const QJsonValue entry :
        QJsonDocument::fromJson(iso.readAll()).object().value("3166-1").toArray())
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

void TestCatalogues::messageCatalogues_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("read"); // "original=translation" pairs, sorted

    const QList<std::pair<QByteArray, QByteArray>> names = {
        {"", "Content-Type: text/plain"}, {"Czechia", "Tschechien"}, {"Egypt", "\xc3\x84gypten"}};
    const QByteArray little = messageCatalogue(names, false);
    QTest::newRow("little-endian, the header left out")
        << little << "Czechia=Tschechien Egypt=\u00c4gypten";
    QTest::newRow("big-endian") << messageCatalogue(names, true)
                                << "Czechia=Tschechien Egypt=\u00c4gypten";
    QTest::newRow("cut off in the last string: the strings before")
        << little.chopped(3) << "Czechia=Tschechien";
    QTest::newRow("more strings counted than there are")
        << QByteArray(little).replace(8, 1, "\x40") << "Czechia=Tschechien Egypt=\u00c4gypten";
    QTest::newRow("a table past the end") << QByteArray(little).replace(12, 1, "\xff") << "";
    QTest::newRow("no catalogue") << QByteArray("\x95\x04\x12\xdf").repeated(5) << "";
    QTest::newRow("too short for a header") << little.left(19) << "";
}

// The translations of a message catalogue, as far as it holds together.
void TestCatalogues::messageCatalogues()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, read);
    const QHash<QString, QString> strings = CountryNames::readMessageCatalogue(data);
    QStringList pairs;
    for (auto each = strings.cbegin(); each != strings.cend(); ++each)
        pairs << each.key() + '=' + each.value();
    pairs.sort();
    QCOMPARE(pairs.join(' '), read);
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
