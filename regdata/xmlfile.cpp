#include "xmlfile.h"

#include "platform/platform.h"

#include <QFile>
#include <QXmlStreamReader>

#include <cstring>

namespace XmlFile {

namespace {

bool startsWith(const char *p, const char *end, const char *text)
{
    const std::size_t length = std::strlen(text);
    return std::size_t(end - p) >= length && std::memcmp(p, text, length) == 0;
}

// The position just after the next occurrence of text, or null.
const char *skipPast(const char *p, const char *end, const char *text)
{
    const std::size_t length = std::strlen(text);
    while (p && std::size_t(end - p) >= length) {
        p = static_cast<const char *>(std::memchr(p, text[0], end - p - length + 1));
        if (p && std::memcmp(p, text, length) == 0)
            return p + length;
        if (p)
            ++p;
    }
    return nullptr;
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':'
        || static_cast<unsigned char>(c) >= 0x80;
}

// Whether the data is UTF-8: no byte order mark or zero byte of UTF-16 or
// UTF-32, and no other encoding declared.
bool isUtf8(const QByteArray &data)
{
    if (data.startsWith("\xfe\xff") || data.startsWith("\xff\xfe") || data.left(4).contains('\0'))
        return false;
    if (!data.startsWith("<?xml"))
        return true;
    const QByteArray declaration = data.left(data.indexOf("?>"));
    const qsizetype encoding = declaration.indexOf("encoding");
    if (encoding < 0)
        return true;
    QByteArray value = declaration.mid(encoding + 8).toLower();
    value.replace(' ', QByteArray()).replace('\t', QByteArray());
    return value.startsWith("=\"utf-8\"") || value.startsWith("='utf-8'");
}

// Scans a start tag from its name to its end, counting its attributes.
// Returns the position after the tag, or null where the parser would stop
// with an error: at a '<' inside the tag, or at the end of the data.
const char *scanStartTag(const char *p, const char *end, int *attributes, bool *isEmpty)
{
    for (; p < end; ++p) {
        switch (*p) {
        case '"':
        case '\'': {
            // A quoted value may hold '>' and '=', but not '<'.
            const char *close = static_cast<const char *>(std::memchr(p + 1, *p, end - p - 1));
            if (!close || std::memchr(p + 1, '<', close - p - 1))
                return nullptr;
            p = close;
            break;
        }
        case '=':
            ++*attributes;
            break;
        case '<':
            return nullptr;
        case '>':
            *isEmpty = p[-1] == '/';
            return p + 1;
        default:
            break;
        }
    }
    return nullptr;
}

// Counts the nodes of the document, and tells when there are too many.
class NodeCount
{
public:
    explicit NodeCount(int limit)
        : m_limit(limit)
    { }

    bool add(qsizetype nodes)
    {
        m_count += nodes;
        return m_count <= m_limit;
    }

private:
    qsizetype m_count = 0;
    const qsizetype m_limit;
};

// "<!ENTITY" as the parser would read it in each encoding that it decodes: one byte a
// character in UTF-8 and its ASCII-compatible kin, two or four in UTF-16 and UTF-32, either
// byte order.
QList<QByteArray> entityDeclarationPatterns()
{
    const QByteArray ascii = "<!ENTITY";
    QList<QByteArray> patterns {ascii};
    for (const int width : {2, 4}) {
        for (const bool bigEndian : {false, true}) {
            QByteArray wide(ascii.size() * width, '\0');
            for (qsizetype i = 0; i < ascii.size(); ++i)
                wide[i * width + (bigEndian ? width - 1 : 0)] = ascii[i];
            patterns << wide;
        }
    }
    return patterns;
}

// Whether the data declares an entity, in any encoding the parser reads. The program's files
// need none, and a declaration is markup, which no escape or character reference can spell
// otherwise; a comment that quotes one counts too.
bool declaresEntities(const QByteArray &data)
{
    static const QList<QByteArray> patterns = entityDeclarationPatterns();
    for (const QByteArray &pattern : patterns) {
        if (data.contains(pattern))
            return true;
    }
    return false;
}

// Reads in chunks into room for the size the file tells, so that a file that
// grows meanwhile still cannot grow the buffer past the limit.
QByteArray readAtMost(QIODevice &device, qint64 limit)
{
    constexpr qint64 ChunkSize = qint64(64) * 1024;
    QByteArray data;
    data.reserve(qBound(qint64(0), device.size(), limit));
    while (data.size() < limit) {
        const QByteArray chunk = device.read(qMin(ChunkSize, limit - data.size()));
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    return data;
}

} // namespace

// In UTF-8 without a document type declaration every element and attribute
// is in plain sight, so the limits can be checked on the bytes, far faster
// than tokenizing. The scan stops where the parser would stop with an error.
std::optional<bool> scanWithinLimits(const QByteArray &data, const Limits &limits)
{
    if (!isUtf8(data))
        return std::nullopt;
    const char *p = data.constData();
    const char *const end = p + data.size();
    int depth = 0;
    bool rootClosed = false;
    NodeCount nodes(limits.nodes);
    while (p && (p = static_cast<const char *>(std::memchr(p, '<', end - p)))) {
        ++p;
        if (startsWith(p, end, "!--")) {
            p = skipPast(p + 3, end, "-->");
        } else if (startsWith(p, end, "![CDATA[")) {
            p = skipPast(p + 8, end, "]]>");
        } else if (startsWith(p, end, "?")) {
            p = skipPast(p + 1, end, "?>");
        } else if (startsWith(p, end, "!")) {
            return std::nullopt; // a document type declaration
        } else if (startsWith(p, end, "/")) {
            if (depth == 0)
                return true;
            if (--depth == 0)
                rootClosed = true;
            p = skipPast(p + 1, end, ">");
            continue;
        } else {
            if (p == end || !isNameStart(*p) || rootClosed)
                return true;
            if (++depth > limits.depth)
                return false;
            int attributes = 0;
            bool isEmpty = false;
            p = scanStartTag(p, end, &attributes, &isEmpty);
            if (!p)
                return true;
            if (attributes > limits.attributes || !nodes.add(1 + attributes))
                return false;
            if (isEmpty && --depth == 0)
                rootClosed = true;
            continue;
        }
        // A comment, CDATA section or processing instruction.
        if (!nodes.add(1))
            return false;
    }
    return true;
}

bool parserWithinLimits(const QByteArray &data, const Limits &limits)
{
    QXmlStreamReader reader(data);
    // As in the DOM parser, namespace declarations are attributes too.
    reader.setNamespaceProcessing(false);
    int depth = 0;
    NodeCount nodes(limits.nodes);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > limits.depth || reader.attributes().size() > limits.attributes
                || !nodes.add(1 + reader.attributes().size()))
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::DTD:
            if (!nodes.add(
                    1 + reader.entityDeclarations().size() + reader.notationDeclarations().size()))
                return false;
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA() && !nodes.add(1))
                return false;
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            if (!nodes.add(1))
                return false;
            break;
        default:
            break;
        }
    }
    return true;
}

bool isWithinLimits(const QByteArray &data)
{
    if (data.size() > MaxFileSize || declaresEntities(data))
        return false;
    const std::optional<bool> scanned = scanWithinLimits(data);
    return scanned ? *scanned : parserWithinLimits(data);
}

QByteArray readWithinLimits(const QString &fileName, bool *opened, Platform::FileStamp *stamp)
{
    // Only a regular file is read: a named pipe would wait for a writer, and
    // a device may never end. The bytes go to the parser as they are, which
    // decodes them by the XML rules (a byte order mark, a declared encoding);
    // text mode would drop bytes of a UTF-16 file's line ends.
    QFile file;
    const int fd = Platform::openRegularFile(fileName.toStdString(), stamp);
    const bool isOpen = fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (opened)
        *opened = isOpen;
    if (!isOpen || file.size() > MaxFileSize)
        return QByteArray();
    const QByteArray data = readAtMost(file, MaxFileSize + 1);
    return isWithinLimits(data) ? data : QByteArray();
}

QDomDocument read(const QString &fileName, bool *opened)
{
    QDomDocument document;
    document.setContent(readWithinLimits(fileName, opened), false);
    return document;
}

ElementReader::ElementReader(const QByteArray &data)
    : m_reader(data)
{
    m_reader.setNamespaceProcessing(false);
}

QXmlStreamReader::TokenType ElementReader::readNext()
{
    if (m_stopped)
        return QXmlStreamReader::Invalid;
    const QXmlStreamReader::TokenType token = m_reader.readNext();
    switch (token) {
    case QXmlStreamReader::StartDocument:
    case QXmlStreamReader::Comment:
    case QXmlStreamReader::ProcessingInstruction:
        break;
    case QXmlStreamReader::DTD:
        // The stream reader takes a document type declaration anywhere; the
        // DOM parser takes one, before the document element.
        m_stopped = m_inBody || m_hasDocumentType;
        m_hasDocumentType = true;
        break;
    case QXmlStreamReader::Invalid:
        m_stopped = true;
        break;
    default:
        m_inBody = true;
        break;
    }
    return m_stopped ? QXmlStreamReader::Invalid : token;
}

bool ElementReader::readNextElement()
{
    for (;;) {
        switch (readNext()) {
        case QXmlStreamReader::StartElement:
            m_depth = m_open++;
            return true;
        case QXmlStreamReader::EndElement:
            --m_open;
            break;
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Invalid:
            return false;
        default:
            break;
        }
    }
}

bool ElementReader::isNamed(QLatin1StringView name) const
{
    return m_reader.qualifiedName() == name;
}

QString ElementReader::attribute(QLatin1StringView name) const
{
    return m_reader.attributes().value(name).toString();
}

QString ElementReader::readText()
{
    QString text;
    for (int open = 1; open > 0;) {
        switch (readNext()) {
        case QXmlStreamReader::StartElement:
            ++open;
            break;
        case QXmlStreamReader::EndElement:
            --open;
            break;
        case QXmlStreamReader::Characters:
            // The DOM parser keeps no text made only of white space, unless
            // it is a CDATA section.
            if (!m_reader.isWhitespace()
                && (m_reader.isCDATA() || !m_reader.text().trimmed().isEmpty()))
                text += m_reader.text();
            break;
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Invalid:
            return text;
        default:
            break;
        }
    }
    --m_open;
    return text;
}

} // namespace XmlFile
