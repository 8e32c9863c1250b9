#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Pieces of a country catalogue, to keep the cases short.
static QByteArray state(const QByteArray &name, const QByteArray &code)
{
    return "<State><LongName Short=\"" + code + "\">" + name + "</LongName></State>";
}

static QByteArray country(
    const QByteArray &name, const QByteArray &code, const QByteArray &body = {})
{
    return "<Country LongName=\"" + name + "\" ShortName=\"" + code + "\">" + body + "</Country>";
}

// The text as some Windows editors save "Unicode" text: UTF-16 with a byte
// order mark and CRLF line ends.
static QByteArray windowsUnicode(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8).replace("\n", "\r\n");
    return "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void countryCatalogue_data();
    void countryCatalogue();
    void resellerCatalogue_data();
    void resellerCatalogue();

private:
    // Writes a data file; a null text leaves it missing.
    void write(const QString &name, const QByteArray &xml);

    QTemporaryDir m_dir;
};

void TestCatalogues::init()
{
    DataFolder::setPath(m_dir.path() + "/Tarn/CustomData/");
    QDir(DataFolder::filePath("RegData")).removeRecursively();
    QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
}

void TestCatalogues::write(const QString &name, const QByteArray &xml)
{
    QFile file(DataFolder::filePath("RegData/" + name));
    if (!xml.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
}

// clang-format off
void TestCatalogues::countryCatalogue_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("countries");
    QTest::addColumn<QStringList>("regions"); // "country|region|code"
    QTest::addColumn<QStringList>("lookups"); // "country>code" and "region[@country]:code"

    const QByteArray freedonia =
            country("Freedonia", "FD", state("North", "NO") + state("South", "SO"));
    const QByteArray deep = QByteArray("<g>").repeated(40) + QByteArray("</g>").repeated(40);
    using L = QStringList;

    QTest::newRow("a country with two regions")
        << "<RegMaster>" + freedonia + "</RegMaster>" << L{"Freedonia"}
        << L{"Freedonia|North|NO", "Freedonia|South|SO"}
        << L{"Freedonia>FD", "freedonia>", "South:SO", "south:", "Atlantis>", "Nowhere:"};
    QTest::newRow("a country without regions is unknown")
        << "<r>" + country("Empty", "EM") + country("Full", "FU", state("A", "A")) + "</r>"
        << L{"Full"} << L{"Full|A|A"} << L{"Empty>", "Full>FU"};
    QTest::newRow("two countries of one name: listed once, regions of both, first code")
        << "<r>" + country("Twin", "T1", state("Alpha", "A"))
               + country("Other", "OT", state("Omega", "O"))
               + country("Twin", "T2", state("Beta", "B")) + "</r>"
        << L{"Twin", "Other"} << L{"Twin|Alpha|A", "Other|Omega|O", "Twin|Beta|B"}
        << L{"Twin>T1", "Beta:B"};
    QTest::newRow("a region name in two countries: the asking country's, else the first")
        << "<r>" + country("Freedonia", "FD", state("Central", "FC"))
               + country("Sylvania", "SY", state("Central", "SC")) + "</r>"
        << L{"Freedonia", "Sylvania"} << L{"Freedonia|Central|FC", "Sylvania|Central|SC"}
        << L{"Sylvania>SY", "Central@Sylvania:SC", "Central@Freedonia:FC", "Central@Atlantis:FC",
               "Central:FC"};
    QTest::newRow("a region without LongName is empty; only the first LongName counts")
        << "<r>" + country("C", "C", "<State/><State><Note/></State><State>"
                                     "<LongName Short='1'>One</LongName>"
                                     "<LongName Short='2'>Two</LongName></State>") + "</r>"
        << L{"C"} << L{"C||", "C||", "C|One|1"} << L{"One:1", "Two:"};
    QTest::newRow("missing attributes give empty texts")
        << QByteArray("<r><Country><State><LongName>Nameless</LongName></State></Country></r>")
        << L{""} << L{"|Nameless|"} << L{"Nameless:"};
    QTest::newRow("names as they stand, text content whole")
        << "<r>" + country(" Spaced ", "sp", state("North <i>East</i> &amp; <![CDATA[Isles]]>",
                                                   " x ")) + "</r>"
        << L{" Spaced "} << L{" Spaced |North East & Isles| x "}
        << L{" Spaced >sp", "North East & Isles: x "};
    QTest::newRow("elements nested deeper and other elements are skipped")
        << "<r><Note/><Group>" + country("Deep", "DP", state("D", "D")) + "</Group>"
               + country("Flat", "FL", "<Comment/><Group>" + state("Grouped", "G") + "</Group>"
                                       + state("Flat", "F")) + "</r>"
        << L{"Flat"} << L{"Flat|Flat|F"} << L{"Deep>", "Grouped:"};
    QTest::newRow("a truncated file keeps what came before the break")
        << "<r>" + freedonia.left(freedonia.indexOf("<State><LongName Short=\"SO\">"))
        << L{"Freedonia"} << L{"Freedonia|North|NO"} << L{"South:"};
    QTest::newRow("UTF-16 with CRLF line ends")
        << windowsUnicode("<r>\n" + country("\xc4\x8c" "esko", "CZ", "\n" + state("Plze\xc5\x88", "PL"))
                          + "\n</r>\n")
        << L{"\u010cesko"} << L{"\u010cesko|Plze\u0148|PL"} << L{"\u010cesko>CZ"};
    QTest::newRow("missing file") << QByteArray() << L() << L() << L{"Freedonia>"};
    QTest::newRow("empty file") << QByteArray("") << L() << L() << L();
    QTest::newRow("not XML") << QByteArray("Freedonia,FD\n") << L() << L() << L();
    QTest::newRow("nested deeper than the reader allows")
        << "<r>" + freedonia + deep + "</r>" << L() << L() << L{"Freedonia>"};
}
// clang-format on

void TestCatalogues::countryCatalogue()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, countries);
    QFETCH(QStringList, regions);
    QFETCH(QStringList, lookups);

    write("RegMaster.xml", xml);
    XMLRegStruct catalogue;
    QStringList read;
    for (const RegionEntry *region : catalogue.regions())
        read << region->country->longName + '|' + region->longName + '|' + region->shortCode;
    QCOMPARE(read, regions);
    QCOMPARE(catalogue.countryNames(), countries);
    QCOMPARE(catalogue.countryNames(), countries);
    for (const QString &lookup : lookups) {
        const bool isCountry = lookup.contains('>');
        const QStringList nameAndCode = lookup.split(isCountry ? '>' : ':');
        const QStringList region = nameAndCode.at(0).split('@');
        const QString code = isCountry ? catalogue.countryCode(nameAndCode.at(0))
                                       : catalogue.regionCode(region.at(0), region.value(1));
        QCOMPARE(code, nameAndCode.at(1));
    }
}

// clang-format off
void TestCatalogues::resellerCatalogue_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ids");
    using L = QStringList;

    QTest::newRow("a repeated name is listed once, where it first came")
        << QByteArray("<RegReseller><Reseller ID='1'>Acme</Reseller>"
                      "<Reseller ID='2'>Bolt</Reseller><Reseller ID='3'>Acme</Reseller>"
                      "<Reseller ID='4'>acme</Reseller></RegReseller>")
        << L{"Acme", "Bolt", "acme"} << L{"1", "2", "3", "4"};
    QTest::newRow("names as they stand, text content whole, any document element")
        << QByteArray("<x><Reseller ID='a'>  Padded  </Reseller>"
                      "<Reseller ID='b'>Smith <b>&amp;</b> Sons</Reseller><Reseller/></x>")
        << L{"  Padded  ", "Smith & Sons", ""} << L{"a", "b", ""};
    QTest::newRow("elements nested deeper and other elements are skipped")
        << QByteArray("<x><Group><Reseller ID='d'>Deep</Reseller></Group><Note>n</Note>"
                      "<Reseller ID='f'>Flat</Reseller></x>")
        << L{"Flat"} << L{"f"};
    QTest::newRow("missing file") << QByteArray() << L() << L();
    QTest::newRow("empty file") << QByteArray("") << L() << L();
    QTest::newRow("not XML") << QByteArray("\x89PNG\r\n\x1a\n") << L() << L();
}
// clang-format on

void TestCatalogues::resellerCatalogue()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, names);
    QFETCH(QStringList, ids);

    write("RegReseller.xml", xml);
    XMLResellerStruct catalogue;
    QStringList read;
    for (const ResellerEntry *entry : catalogue.entries())
        read << entry->id;
    QCOMPARE(read, ids);
    QCOMPARE(catalogue.resellerNames(), names);
    QCOMPARE(catalogue.resellerNames(), names);
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
