#include "regdata/xmlfile.h"

#include <QTest>

// An element nested levels deep, as "<e><e>...</e></e>".
static QByteArray nested(int levels, const QByteArray &inner = QByteArray())
{
    return QByteArray("<e>").repeated(levels) + inner + QByteArray("</e>").repeated(levels);
}

// One element with the given number of attributes, written as pattern with
// %1 standing for the attribute's number.
static QByteArray withAttributes(int count, const char *pattern = " a%1=\"v\"")
{
    QByteArray element = "<e";
    for (int i = 0; i < count; ++i)
        element += QString::fromLatin1(pattern).arg(i).toUtf8();
    return element + "/>";
}

static QByteArray utf16(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8);
    return QByteArray("\xff\xfe")
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

class TestXmlFile : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
};

void TestXmlFile::limits_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("withinLimits");

    const int depth = XmlFile::MaxDepth;
    const int attributes = XmlFile::MaxAttributes;
    const QByteArray declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

    QTest::newRow("deepest allowed") << nested(depth) << true;
    QTest::newRow("one level too deep") << nested(depth + 1) << false;
    QTest::newRow("empty elements count as a level") << nested(depth - 1, "<e/>") << true;
    QTest::newRow("empty element one level too deep") << nested(depth, "<e/>") << false;
    QTest::newRow("siblings do not add up")
        << "<r>" + nested(depth - 1).repeated(50) + "</r>" << true;
    QTest::newRow("most attributes allowed") << withAttributes(attributes) << true;
    QTest::newRow("one attribute too many") << withAttributes(attributes + 1) << false;
    QTest::newRow("namespace declarations are attributes")
        << withAttributes(attributes + 1, " xmlns:n%1=\"urn:n\"") << false;
    QTest::newRow("markup inside attribute values, comments and sections is text")
        << "<r a=\"x='1' b='2' /> <e>\" b='>='>"
            + QByteArray("<!-- <e><e> --><![CDATA[<e><e>]]><?pi <e> ?>").repeated(40)
            + nested(depth - 1) + "</r>"
        << true;
    QTest::newRow("with the declaration") << declaration + nested(depth + 1) << false;
    QTest::newRow("too deep after an error that stops the parser")
        << "<r>a < b" + nested(depth + 1) + "</r>" << true;
    QTest::newRow("too deep after a '<' in an attribute value")
        << "<r a=\"x<y\">" + nested(depth + 1) + "</r>" << true;
    QTest::newRow("too deep after the document element") << "<r/>" + nested(depth + 1) << true;
    QTest::newRow("too deep after an unbalanced end tag") << "<r/></r>" + nested(depth + 1) << true;
    QTest::newRow("too deep in the last, unfinished element")
        << nested(depth + 1).left(200) << false;
    QTest::newRow("with a document type declaration")
        << "<!DOCTYPE e [<!ENTITY x \"y\">]>" + nested(depth + 1) << false;
    QTest::newRow("within limits with a document type declaration")
        << "<!DOCTYPE e>" + nested(depth) << true;
    QTest::newRow("Latin-1") << "<?xml version='1.0' encoding='ISO-8859-1'?>"
            + nested(depth, "\xe9")
                             << true;
    QTest::newRow("Latin-1, too deep")
        << "<?xml version='1.0' encoding='ISO-8859-1'?>" + nested(depth + 1, "\xe9") << false;
    QTest::newRow("UTF-16") << utf16(nested(depth)) << true;
    QTest::newRow("UTF-16, too deep") << utf16(nested(depth + 1)) << false;
    QTest::newRow("UTF-16, too many attributes") << utf16(withAttributes(attributes + 1)) << false;
    QTest::newRow("larger than allowed")
        << "<r>" + QByteArray(XmlFile::MaxFileSize, ' ') + "</r>" << false;
    QTest::newRow("empty") << QByteArray() << true;
}

void TestXmlFile::limits()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, withinLimits);

    QCOMPARE(XmlFile::isWithinLimits(xml), withinLimits);
}

QTEST_GUILESS_MAIN(TestXmlFile)
#include "tst_xmlfile.moc"
