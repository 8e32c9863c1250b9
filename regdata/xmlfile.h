#ifndef KVB_XMLFILE_H
#define KVB_XMLFILE_H

#include "platform/platform.h"

#include <QDomDocument>
#include <QString>
#include <QXmlStreamReader>

#include <optional>

// Reading the program's XML data files. Other programs and people edit them,
// so a file that would make the DOM parser slow or hungry (very large, very
// deep, with very many attributes on one element, with very many nodes, or
// declaring entities, whose references can expand a small file a thousand
// times) is treated like a file that holds no usable XML: the document comes
// back empty. A file that is merely malformed keeps whatever the parser
// built before the error.
namespace XmlFile {

constexpr qint64 MaxFileSize = qint64(8) * 1024 * 1024;
constexpr int MaxDepth = 32;
constexpr int MaxAttributes = 32;
// Elements, attributes, comments, processing instructions, CDATA sections,
// entity references and declarations each become a node of the document, and
// each node costs the parser time and memory; text nodes cannot outnumber
// them by more than one. The sample country catalogue has about 16,000, so
// the limit leaves room for catalogues many times its size.
constexpr int MaxNodes = 300000;

// The bytes of fileName when they are within the limits below, else none.
// *opened tells whether the file is a regular file that could be opened for
// reading at all, *stamp what the file system said of the file read (empty
// when none could be).
QByteArray readWithinLimits(
    const QString &fileName, bool *opened = nullptr, Platform::FileStamp *stamp = nullptr);

// Reads fileName as an XML document, without namespace processing and
// without text that is only white space; opened as above.
QDomDocument read(const QString &fileName, bool *opened = nullptr);

// The elements of a document in order, with what the DOM parser would build
// of them from the same bytes, without building it: the same names (as
// written, prefix and all), attributes and text, and, where the parser meets
// an error, what came before it. For a file read once from start to end it
// takes a fraction of the time and memory of a document.
class ElementReader
{
public:
    explicit ElementReader(const QByteArray &data);

    // Moves to the start of the next element; false at the end of the
    // document or at an error.
    bool readNextElement();
    // How many elements enclose the current one: 0 for the document element.
    int depth() const { return m_depth; }
    bool isNamed(QLatin1StringView name) const;
    // The attribute's value, or an empty text.
    QString attribute(QLatin1StringView name) const;
    // The current element's whole text, that of the elements within it
    // included; moves to the element's end.
    QString readText();

private:
    // The next token, or Invalid from where the DOM parser would stop.
    QXmlStreamReader::TokenType readNext();

    QXmlStreamReader m_reader;
    int m_depth = -1;
    int m_open = 0;
    bool m_inBody = false;
    bool m_hasDocumentType = false;
    bool m_stopped = false;
};

// Whether data stays within the limits above and declares no entity. A
// syntax error ends the check without rejecting: the parser stops there too.
bool isWithinLimits(const QByteArray &data);

// The limits that the two passes below check; isWithinLimits() uses the
// ones above, and other values serve to try the passes on small documents.
struct Limits
{
    int depth = MaxDepth;
    int attributes = MaxAttributes;
    int nodes = MaxNodes;
};

// The two passes behind isWithinLimits(). The byte scan answers for UTF-8
// without a document type declaration, and nullopt for anything else; the
// parser pass tokenizes any file. The scan never accepts what the parser
// pass rejects, but may reject a little more: it counts the XML declaration
// and empty CDATA sections as nodes.
std::optional<bool> scanWithinLimits(const QByteArray &data, const Limits &limits = Limits());
bool parserWithinLimits(const QByteArray &data, const Limits &limits = Limits());

} // namespace XmlFile

#endif
