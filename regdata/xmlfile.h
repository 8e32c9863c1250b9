#ifndef KVB_XMLFILE_H
#define KVB_XMLFILE_H

#include <QDomDocument>
#include <QString>

// Reading the program's XML data files. Other programs and people edit them,
// so a file that would make the DOM parser slow or hungry (very large, very
// deep, or with very many attributes on one element) is treated like a file
// that holds no usable XML: the document comes back empty. A file that is
// merely malformed keeps whatever the parser built before the error.
namespace XmlFile {

constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
constexpr int MaxDepth = 32;
constexpr int MaxAttributes = 32;

// Reads fileName as an XML document, without namespace processing and
// without text that is only white space. *opened tells whether the file
// could be opened for reading at all.
QDomDocument read(const QString &fileName, bool *opened = nullptr);

// Whether data stays within the limits above. A syntax error ends the check
// without rejecting: the parser stops there too.
bool isWithinLimits(const QByteArray &data);

} // namespace XmlFile

#endif
