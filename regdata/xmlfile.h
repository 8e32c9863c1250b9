#ifndef KVB_XMLFILE_H
#define KVB_XMLFILE_H

#include <QByteArray>
#include <QDomDocument>
#include <QString>

// Reading the program's XML data files, which other programs and people
// edit. Every file is read one way: its bytes, at most a few MiB, go through
// one pass of the toolkit's stream reader that checks them against the
// limits below, and only then does the DOM parser build the document. A file
// that would make the parser slow or hungry (too large, too deep, too many
// attributes on one element, too many nodes, a document type declaration,
// from which entities and default attributes come, or an encoding that the
// program's files never use) comes back as an empty document, like a file
// that holds no usable XML. A file that is merely malformed keeps whatever
// the parser built before the error.
namespace XmlFile {

constexpr qint64 MaxFileSize = qint64(8) * 1024 * 1024;
constexpr int MaxDepth = 32;
constexpr int MaxAttributes = 32;
// Elements, attributes, comments, processing instructions and CDATA
// sections each become a node of the document, and each node costs the
// parser time and memory; text nodes cannot outnumber them by more than
// one. The sample country catalogue has about 16,000.
constexpr int MaxNodes = 300000;

// The longest value the program takes from a file: no name, address or
// catalogue entry comes near it, and a window must never be asked to lay
// out megabytes of one label.
constexpr int MaxValueLength = 1000;
// Combining marks in a row after one letter: real text stacks two or three,
// and thousands of them on one letter stall the text layout.
constexpr int MaxCombiningMarks = 8;
// The most entries a list takes from a catalogue: countries, resellers.
// Real catalogues list a few hundred.
constexpr int MaxListEntries = 10000;
// The most regions a country offers. The longest real list has about 200,
// and the region menu lays out all its items each time it opens: 10,000
// of them added 0.1 to 0.2 s to the opening.
constexpr int MaxRegionsPerCountry = 1000;

// Whether data stays within the limits above.
bool isWithinLimits(const QByteArray &data);

// The document of data, read without namespace processing and without text
// that is only white space; empty when data is not within the limits.
QDomDocument parse(const QByteArray &data);

// The bytes of the file open at fd, up to one byte over MaxFileSize, and so
// enough to tell a file over the limit. The descriptor is closed.
QByteArray readAll(int fd);

// text as the program keeps a value read from a file: at most
// MaxValueLength characters, and at most MaxCombiningMarks combining marks
// after each other; the rest is dropped.
QString boundedText(const QString &text);

} // namespace XmlFile

#endif
