#include "regdata/xmlfile.h"

#include <QTest>

// An element nested levels deep around inner.
static QByteArray nested(int levels, const QByteArray &inner = QByteArray())
{
    return QByteArray("<e>").repeated(levels) + inner + QByteArray("</e>").repeated(levels);
}

// One element with count attributes made from pattern, "%1" being the number.
static QByteArray withAttributes(int count, const char *pattern = " a%1='v'")
{
    QString element = "<e";
    for (int i = 0; i < count; ++i)
        element += QString::fromLatin1(pattern).arg(i);
    return element.toUtf8() + "/>";
}

static QByteArray utf16(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8);
    return "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

class TestXmlFile : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
};

// clang-format off
void TestXmlFile::limits_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("withinLimits");

    const int depth = XmlFile::MaxDepth;
    const int count = XmlFile::MaxAttributes;
    const QByteArray latin1 = "<?xml version='1.0' encoding='ISO-8859-1'?>";

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
    QTest::newRow("Latin-1, too deep") << latin1 + nested(depth + 1, "\xe9") << false;
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

void TestXmlFile::limits()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, withinLimits);

    QCOMPARE(XmlFile::isWithinLimits(xml), withinLimits);
}

QTEST_GUILESS_MAIN(TestXmlFile)
#include "tst_xmlfile.moc"
