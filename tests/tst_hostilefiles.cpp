#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/xmlfile.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A saved record, a country catalogue and a reseller catalogue in one
// document: each reader finds its own part, so one file serves as all three.
const QByteArray usable = "<FirstRegPage><City>Oslo</City></FirstRegPage>"
                          "<Country LongName=\"Norway\" ShortName=\"NO\"><State>"
                          "<LongName Short=\"03\">Oslo</LongName></State></Country>"
                          "<Reseller ID=\"1\">Nordic Soft</Reseller>";

const QByteArray secret = "The content of a local file";

// Contents that stand for something other than a regular file.
const QByteArray namedPipe = "(a named pipe)";
const QByteArray endlessDevice = "/dev/zero";

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(KVB_TEST_DATA_DIR "/hostile/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing fixture)");
}

// The usable parts, then the hostile ones: a reader that let the hostile
// parts through would find the usable ones.
QByteArray afterUsable(const QByteArray &hostile)
{
    return "<Data>" + usable + hostile + "</Data>";
}

// An element nested levels deep around inner.
QByteArray nested(int levels, const QByteArray &inner = QByteArray())
{
    return QByteArray("<e>").repeated(levels) + inner + QByteArray("</e>").repeated(levels);
}

// One element with count attributes made from pattern, "%1" being the number.
QByteArray withAttributes(int count, const char *pattern = " a%1='v'")
{
    QByteArray element = "<e";
    for (int i = 0; i < count; ++i)
        element += QString::fromLatin1(pattern).arg(i).toLatin1();
    return element + "/>";
}

QByteArray utf16(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8);
    return "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

template <typename Page> void addFilledFields(QStringList &values, const Page &page)
{
    for (const auto &field : Page::fields) {
        if (!(page.*field.value).isEmpty())
            values << QLatin1String(field.element) + '=' + page.*field.value;
    }
}

// Everything the three readers give, as "Element=value" for the saved
// record's non-empty fields, "country|region|code" for the regions and
// "Reseller=name" for the resellers.
QStringList readEverything(bool *recordFound)
{
    QStringList values;
    ReadRegInfo record;
    *recordFound = record.recordFound();
    addFilledFields(values, *record.firstPageRecord());
    addFilledFields(values, *record.secondPageRecord());
    XMLRegStruct countries;
    for (const RegionEntry *region : countries.regions())
        values << region->country->longName + '|' + region->longName + '|' + region->shortCode;
    XMLResellerStruct resellers;
    for (const QString &name : resellers.resellerNames())
        values << "Reseller=" + name;
    return values;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
    void readsSafely_data();
    void readsSafely();
};

// clang-format off
void TestHostileFiles::limits_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("withinLimits");

    const int depth = XmlFile::MaxDepth;
    const int count = XmlFile::MaxAttributes;

    QTest::newRow("deepest allowed") << nested(depth) << true;
    QTest::newRow("one level too deep") << nested(depth + 1) << false;
    QTest::newRow("an empty element is a level") << nested(depth, "<e/>") << false;
    QTest::newRow("siblings do not add up") << "<r>" + nested(depth - 1).repeated(9) + "</r>"
                                            << true;
    QTest::newRow("most attributes allowed") << withAttributes(count) << true;
    QTest::newRow("one attribute too many") << withAttributes(count + 1) << false;
    QTest::newRow("namespace declarations are attributes")
        << withAttributes(count + 1, " xmlns:n%1='urn:n'") << false;
    QTest::newRow("markup in attribute values, comments, sections and instructions")
        << "<?xml version='1.0' encoding='UTF-8'?><r a=\"x='1' b='2' /> <e>\" b='>='>"
               + QByteArray("<!-- <e> --><![CDATA[<e>]]><?pi <e> ?>").repeated(40)
               + nested(depth - 1) + "</r>"
        << true;
    QTest::newRow("quotes within the other quotes, too deep")
        << "<r a=\"'\" b='\"'>" + nested(depth) + "</r>" << false;
    QTest::newRow("too deep where the parser has stopped: '<' in text")
        << "<r>a < b" + nested(depth + 1) + "</r>" << true;
    QTest::newRow("too deep where the parser has stopped: '<' in a value")
        << "<r a='x<y'>" + nested(depth + 1) + "</r>" << true;
    QTest::newRow("too deep where the parser has stopped: after the document")
        << "<r/>" + nested(depth + 1) << true;
    QTest::newRow("too deep in an unfinished file") << nested(depth + 1).left(120) << false;
    QTest::newRow("document type declaration") << "<!DOCTYPE e>" + nested(depth) << true;
    QTest::newRow("document type declaration, too deep")
        << "<!DOCTYPE e [<!ENTITY x 'y'>]>" + nested(depth + 1) << false;
    QTest::newRow("UTF-16") << utf16(nested(depth)) << true;
    QTest::newRow("UTF-16, too deep") << utf16(nested(depth + 1)) << false;
    QTest::newRow("UTF-16, namespace declarations are attributes")
        << utf16(withAttributes(count + 1, " xmlns:n%1='urn:n'")) << false;
    const QByteArray nodes = QByteArray("<e/>").repeated(XmlFile::MaxNodes - 2);
    QTest::newRow("most nodes allowed") << "<r a='1'>" + nodes + "</r>" << true;
    QTest::newRow("one node too many: comments, sections and instructions count")
        << "<r a='1'>" + nodes + "<!-- --></r>" << false;
    QTest::newRow("one node too many: declarations count")
        << "<!DOCTYPE r [<!ENTITY x 'y'>]><r>" + nodes + "</r>" << false;
    QTest::newRow("larger than allowed")
        << "<r>" + QByteArray(XmlFile::MaxFileSize, ' ') + "</r>" << false;
}
// clang-format on

void TestHostileFiles::limits()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, withinLimits);
    QCOMPARE(XmlFile::isWithinLimits(xml), withinLimits);
}

void TestHostileFiles::readsSafely_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("values");

    const QStringList none;
    const QStringList all {"City=Oslo", "Norway|Oslo|03", "Reseller=Nordic Soft"};

    QTest::newRow("usable") << afterUsable("") << all;
    QTest::newRow("empty") << fixture("empty.xml") << none;
    QTest::newRow("binary noise") << fixture("noise.bin") << none;
    QTest::newRow("truncated in an element: the part before it is kept")
        << fixture("truncated.xml") << QStringList {"City=Oslo"};
    QTest::newRow("Latin-1 without a declaration") << fixture("latin1-undeclared.xml") << none;
    QTest::newRow("UTF-8 declared as UTF-16") << fixture("utf16-declared.xml") << none;
    QTest::newRow("entity-expansion bomb") << fixture("entity-bomb.xml") << none;
    QTest::newRow("external entities in text are not fetched")
        << fixture("external-entity.xml") << all;
    QTest::newRow("external entity in an attribute value ends the document")
        << fixture("external-entity-attribute.xml") << QStringList {"City=Oslo"};
    QTest::newRow("a million elements")
        << afterUsable(QByteArray("<e/>").repeated(1000000)) << none;
    QTest::newRow("nesting 100,000 deep") << afterUsable(nested(100000)) << none;
    QTest::newRow("100,000 attributes on one element")
        << afterUsable(withAttributes(100000)) << none;
    QTest::newRow("50 MB") << afterUsable("<!--" + QByteArray(50 * 1000 * 1000, '-') + " -->")
                           << none;
    QTest::newRow("a named pipe that nobody writes") << namedPipe << none;
    QTest::newRow("an endless device") << endlessDevice << none;
}

void TestHostileFiles::readsSafely()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, values);

    QTemporaryDir dir;
    const QString secretFile = dir.filePath("secret.txt");
    QFile secretWriter(secretFile);
    QVERIFY(secretWriter.open(QIODevice::WriteOnly) && secretWriter.write(secret) > 0);
    secretWriter.close();
    content.replace("@SECRET_FILE@", QFile::encodeName(secretFile));

    // One file, named as each of the three.
    DataFolder::setPath(dir.filePath("Tarn/CustomData/"));
    QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
    const QString hostile = dir.filePath("hostile");
    const bool regularFile = content != namedPipe && content != endlessDevice;
    if (content == namedPipe) {
        QCOMPARE(mkfifo(QFile::encodeName(hostile).constData(), 0600), 0);
    } else if (content == endlessDevice) {
        QVERIFY(QFile::link(endlessDevice, hostile));
    } else {
        QFile writer(hostile);
        QVERIFY(writer.open(QIODevice::WriteOnly) && writer.write(content) == content.size());
    }
    for (const char *name : {"RegInfo.xml", "RegMaster.xml", "RegReseller.xml"})
        QVERIFY(QFile::link(hostile, DataFolder::filePath("RegData/") + name));

    bool recordFound = false;
    const QStringList read = readEverything(&recordFound);
    QCOMPARE(read, values);
    QCOMPARE(recordFound, regularFile);
    QVERIFY(!read.join('\n').contains(QString::fromLatin1(secret)));
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
