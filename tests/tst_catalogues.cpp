#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// A region as "country|region|code", so that a whole catalogue compares in
// one line.
static QStringList describe(const QList<RegionEntry *> &regions)
{
    QStringList result;
    for (const RegionEntry *region : regions)
        result << region->country->longName + '|' + region->longName + '|' + region->shortCode;
    return result;
}

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void countryCatalogue_data();
    void countryCatalogue();
    void lookups_data();
    void lookups();
    void resellerCatalogue_data();
    void resellerCatalogue();

private:
    // Writes a data file; a null text leaves it missing.
    void writeFile(const QString &name, const QByteArray &contents);

    QTemporaryDir m_dir;
};

void TestCatalogues::init()
{
    QVERIFY(m_dir.isValid());
    const QString folder = m_dir.path() + "/Tarn/CustomData/";
    QDir(folder + "RegData").removeRecursively();
    QVERIFY(QDir().mkpath(folder + "RegData"));
    DataFolder::setPath(folder);
}

void TestCatalogues::writeFile(const QString &name, const QByteArray &contents)
{
    if (contents.isNull())
        return;
    QFile file(DataFolder::filePath("RegData/" + name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

// Pieces of catalogue files, to keep the cases below short.
static QByteArray state(const QByteArray &name, const QByteArray &code)
{
    return "<State><LongName Short=\"" + code + "\">" + name + "</LongName></State>";
}

static QByteArray country(
    const QByteArray &name, const QByteArray &code, const QByteArray &content = QByteArray())
{
    return "<Country LongName=\"" + name + "\" ShortName=\"" + code + "\">" + content
        + "</Country>";
}

static QByteArray document(const QByteArray &content, const QByteArray &root = "RegMaster")
{
    return "<" + root + ">\n" + content + "\n</" + root + ">\n";
}

void TestCatalogues::countryCatalogue_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("countries");
    QTest::addColumn<QStringList>("regions");

    const QByteArray freedonia
        = country("Freedonia", "FD", state("North", "NO") + state("South", "SO"));
    const QByteArray twoRegions = document(freedonia);
    const QStringList twoRegionsRead {"Freedonia|North|NO", "Freedonia|South|SO"};

    QTest::newRow("a country with two regions")
        << twoRegions << QStringList {"Freedonia"} << twoRegionsRead;
    QTest::newRow("a country without regions is not offered")
        << document(country("Empty", "EM") + country("Full", "FU", state("A", "A")))
        << QStringList {"Full"} << QStringList {"Full|A|A"};
    QTest::newRow("two countries with one name: listed once, with the regions of both")
        << document(country("Twin", "T1", state("Alpha", "A"))
               + country("Other", "OT", state("Omega", "O"))
               + country("Twin", "T2", state("Beta", "B")))
        << QStringList {"Twin", "Other"}
        << QStringList {"Twin|Alpha|A", "Other|Omega|O", "Twin|Beta|B"};
    QTest::newRow("a region without LongName is empty; only the first LongName counts")
        << document(country("C", "C",
               "<State/><State><Note/></State><State><LongName Short=\"1\">One</LongName>"
               "<LongName Short=\"2\">Two</LongName></State>"))
        << QStringList {"C"} << QStringList {"C||", "C||", "C|One|1"};
    QTest::newRow("missing attributes give empty texts")
        << document("<Country><State><LongName>Nameless</LongName></State></Country>")
        << QStringList {""} << QStringList {"|Nameless|"};
    QTest::newRow("names as they stand, text content whole")
        << document(country(
               " Spaced Out ", "sp", state("North <i>East</i> &amp; <![CDATA[Isles]]>", " x ")))
        << QStringList {" Spaced Out "} << QStringList {" Spaced Out |North East & Isles| x "};
    QTest::newRow("elements nested too deep and unknown elements are skipped")
        << document("<Note/><Group>" + country("Deep", "DP", state("D", "D")) + "</Group>"
               + country("Flat", "FL",
                   "<Comment/><Group>" + state("Grouped", "G") + "</Group>" + state("Flat", "F")))
        << QStringList {"Flat"} << QStringList {"Flat|Flat|F"};
    QTest::newRow("any document element name")
        << document(freedonia, "Anything") << QStringList {"Freedonia"} << twoRegionsRead;
    QTest::newRow("encoding follows the declaration")
        << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
            + document(country("\xc5land", "AX", state("K\xf6kar", "X")))
        << QStringList {"Åland"} << QStringList {"Åland|Kökar|X"};
    QTest::newRow("a truncated file keeps what came before the break")
        << twoRegions.left(twoRegions.indexOf("<State><LongName Short=\"SO\">"))
        << QStringList {"Freedonia"} << QStringList {"Freedonia|North|NO"};
    QTest::newRow("missing file") << QByteArray() << QStringList() << QStringList();
    QTest::newRow("empty file") << QByteArray("") << QStringList() << QStringList();
    QTest::newRow("not XML") << QByteArray("Country,Freedonia,FD\n") << QStringList()
                             << QStringList();
    const QByteArray deep = QByteArray("<g>").repeated(40) + QByteArray("</g>").repeated(40);
    QTest::newRow("a file nested deeper than any catalogue needs is not read")
        << document(freedonia + deep) << QStringList() << QStringList();
}

void TestCatalogues::countryCatalogue()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, countries);
    QFETCH(QStringList, regions);

    writeFile("RegMaster.xml", xml);
    XMLRegStruct catalogue;
    QCOMPARE(describe(catalogue.regions()), regions);
    QCOMPARE(catalogue.countryNames(), countries);
    QCOMPARE(catalogue.countryNames(), countries);
}

void TestCatalogues::lookups_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("countryCode");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("regionCode");

    QTest::newRow("known names") << "Freedonia"
                                 << "FD"
                                 << "South"
                                 << "SO";
    QTest::newRow("first of two countries with one name") << "Twin"
                                                          << "T1"
                                                          << "Beta"
                                                          << "B";
    QTest::newRow("shared region name: the first country's code, whoever asks") << "Sylvania"
                                                                                << "SY"
                                                                                << "Central"
                                                                                << "FC";
    QTest::newRow("a country without regions is unknown") << "Empty"
                                                          << ""
                                                          << ""
                                                          << "";
    QTest::newRow("comparison is exact") << "freedonia"
                                         << ""
                                         << "north"
                                         << "";
    QTest::newRow("unknown names") << "Atlantis"
                                   << ""
                                   << "Nowhere"
                                   << "";
}

void TestCatalogues::lookups()
{
    QFETCH(QString, country);
    QFETCH(QString, countryCode);
    QFETCH(QString, region);
    QFETCH(QString, regionCode);

    writeFile("RegMaster.xml", R"(<r>
      <Country LongName="Empty" ShortName="EM"/>
      <Country LongName="Freedonia" ShortName="FD">
        <State><LongName Short="NO">North</LongName></State>
        <State><LongName Short="FC">Central</LongName></State>
        <State><LongName Short="SO">South</LongName></State>
      </Country>
      <Country LongName="Twin" ShortName="T1"><State><LongName Short="A">Alpha</LongName></State></Country>
      <Country LongName="Sylvania" ShortName="SY"><State><LongName Short="SC">Central</LongName></State></Country>
      <Country LongName="Twin" ShortName="T2"><State><LongName Short="B">Beta</LongName></State></Country>
    </r>)");
    const XMLRegStruct catalogue;
    QCOMPARE(catalogue.countryCode(country), countryCode);
    QCOMPARE(catalogue.regionCode(region), regionCode);
}

void TestCatalogues::resellerCatalogue_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("a repeated name is listed once, where it first came")
        << QByteArray(
               R"(<RegReseller><Reseller ID="1">Acme</Reseller><Reseller ID="2">Bolt</Reseller>
                   <Reseller ID="3">Acme</Reseller><Reseller ID="4">acme</Reseller></RegReseller>)")
        << QStringList {"Acme", "Bolt", "acme"} << QStringList {"1", "2", "3", "4"};
    QTest::newRow("names as they stand, text content whole") << QByteArray(
        R"(<x><Reseller ID="a">  Padded  </Reseller><Reseller ID="b">Smith <b>&amp;</b> Sons</Reseller><Reseller/></x>)")
                                                             << QStringList {"  Padded  ",
                                                                    "Smith & Sons", ""}
                                                             << QStringList {"a", "b", ""};
    QTest::newRow("elements nested too deep and unknown elements are skipped") << QByteArray(
        R"(<x><Group><Reseller ID="d">Deep</Reseller></Group><Note>n</Note><Reseller ID="f">Flat</Reseller></x>)")
                                                                               << QStringList {"Fla"
                                                                                               "t"}
                                                                               << QStringList {"f"};
    QTest::newRow("missing file") << QByteArray() << QStringList() << QStringList();
    QTest::newRow("empty file") << QByteArray("") << QStringList() << QStringList();
    QTest::newRow("not XML") << QByteArray("\x89PNG\r\n\x1a\n") << QStringList() << QStringList();
}

void TestCatalogues::resellerCatalogue()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, names);
    QFETCH(QStringList, ids);

    writeFile("RegReseller.xml", xml);
    XMLResellerStruct catalogue;
    QStringList readIds;
    for (const ResellerEntry *entry : catalogue.entries())
        readIds << entry->id;
    QCOMPARE(readIds, ids);
    QCOMPARE(catalogue.resellerNames(), names);
    QCOMPARE(catalogue.resellerNames(), names);
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
