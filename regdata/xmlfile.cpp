#include "xmlfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <utility>

namespace XmlFile {

namespace {

// The encodings the program's files come in. Any other, declared in the XML
// declaration, is refused: the parser would decode it, and in UTF-7, say,
// markup no longer looks like markup to anything but the parser.
bool isKnownEncoding(QStringView encoding)
{
    static const QLatin1String known[]
        = {QLatin1String("UTF-8"), QLatin1String("UTF-16"), QLatin1String("UTF-16LE"),
            QLatin1String("UTF-16BE"), QLatin1String("UTF-32"), QLatin1String("UTF-32LE"),
            QLatin1String("UTF-32BE"), QLatin1String("US-ASCII"), QLatin1String("ISO-8859-1")};
    if (encoding.isEmpty())
        return true;
    for (const QLatin1String name : known) {
        if (encoding.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Whether the token just read keeps the document within the limits; nodes
// counts the nodes so far, and depth the elements open.
bool tokenWithinLimits(const QXmlStreamReader &reader, qsizetype &nodes, int &depth)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartDocument:
        return isKnownEncoding(reader.documentEncoding());
    case QXmlStreamReader::DTD:
        // Entities, attribute defaults and the rest of what a document type
        // declaration adds: the program's files need none of it.
        return false;
    case QXmlStreamReader::StartElement:
        nodes += 1 + reader.attributes().size();
        return ++depth <= MaxDepth && reader.attributes().size() <= MaxAttributes
            && nodes <= MaxNodes;
    case QXmlStreamReader::EndElement:
        --depth;
        return true;
    case QXmlStreamReader::Characters:
        return !reader.isCDATA() || ++nodes <= MaxNodes;
    case QXmlStreamReader::Comment:
    case QXmlStreamReader::ProcessingInstruction:
        return ++nodes <= MaxNodes;
    default:
        return true;
    }
}

// The data as text, for finding its markup: in UTF-16 and UTF-32, told by a
// byte order mark or by how "<" is written, decoded; any other encoding
// writes markup in ASCII, so its bytes serve as they are.
QString markupText(const QByteArray &data)
{
    const std::pair<QByteArray, QStringConverter::Encoding> wide[] = {
        {QByteArray("\x00\x00\xfe\xff", 4), QStringConverter::Utf32BE},
        {QByteArray("\xff\xfe\x00\x00", 4), QStringConverter::Utf32LE},
        {QByteArray("\x00\x00\x00<", 4), QStringConverter::Utf32BE},
        {QByteArray("<\x00\x00\x00", 4), QStringConverter::Utf32LE},
        {QByteArray("\xfe\xff"), QStringConverter::Utf16BE},
        {QByteArray("\xff\xfe"), QStringConverter::Utf16LE},
        {QByteArray("\x00<", 2), QStringConverter::Utf16BE},
        {QByteArray("<\x00", 2), QStringConverter::Utf16LE},
    };
    for (const auto &[start, encoding] : wide) {
        if (data.startsWith(start))
            return QStringDecoder(encoding).decode(data);
    }
    return QString::fromLatin1(data);
}

// Whether a start tag carries more attributes than the limit. The stream
// reader takes a start tag whole before it tells of it, and checks each of
// its attributes against every other: 100,000 attributes on one element
// would keep it busy for a minute before any limit could be checked.
bool hasCrowdedElement(QStringView text)
{
    const auto skipPast = [&text](qsizetype from, QLatin1String end) {
        const qsizetype found = text.indexOf(end, from);
        return found < 0 ? text.size() : found + end.size();
    };
    for (qsizetype i = text.indexOf(QLatin1Char('<')); i >= 0 && i < text.size();
         i = text.indexOf(QLatin1Char('<'), i)) {
        const QStringView rest = text.sliced(i);
        if (rest.startsWith(QLatin1String("<!--"))) {
            i = skipPast(i + 4, QLatin1String("-->"));
        } else if (rest.startsWith(QLatin1String("<![CDATA["))) {
            i = skipPast(i + 9, QLatin1String("]]>"));
        } else if (rest.startsWith(QLatin1String("<?"))) {
            i = skipPast(i + 2, QLatin1String("?>"));
        } else {
            // A tag, or a declaration, to its end: a quoted value may hold
            // ">" and "=".
            int attributes = 0;
            QChar quote;
            for (++i; i < text.size() && (!quote.isNull() || text.at(i) != QLatin1Char('>')); ++i) {
                const QChar c = text.at(i);
                if (!quote.isNull())
                    quote = c == quote ? QChar() : quote;
                else if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                    quote = c;
                else if (c == QLatin1Char('=') && ++attributes > MaxAttributes)
                    return true;
            }
        }
    }
    return false;
}

// Whether text is within the limits of boundedText() as it is: as most
// values are, which are short and plain. A character beyond the Basic
// Multilingual Plane leaves it to the longer way.
bool isBounded(const QString &text)
{
    if (text.size() > MaxValueLength)
        return false;
    int marks = 0;
    for (const QChar character : text) {
        if (character.isSurrogate())
            return false;
        marks = character.isMark() ? marks + 1 : 0;
        if (marks > MaxCombiningMarks)
            return false;
    }
    return true;
}

} // namespace

bool isWithinLimits(const QByteArray &data)
{
    if (data.size() > MaxFileSize || hasCrowdedElement(markupText(data)))
        return false;
    QXmlStreamReader reader(data);
    // As in the DOM parser, namespace declarations are attributes too.
    reader.setNamespaceProcessing(false);
    qsizetype nodes = 0;
    int depth = 0;
    // A syntax error ends the check without refusing: the parser stops there too.
    while (!reader.atEnd()) {
        reader.readNext();
        if (!tokenWithinLimits(reader, nodes, depth))
            return false;
    }
    return true;
}

QDomDocument parse(const QByteArray &data)
{
    QDomDocument document;
    if (isWithinLimits(data))
        document.setContent(data, false);
    return document;
}

QByteArray readAll(int fd)
{
    // The bytes go to the parser as they are, which decodes them by the XML
    // rules (a byte order mark, a declared encoding); text mode would drop
    // bytes of a UTF-16 file's line ends.
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return QByteArray();
    // In chunks, into room for the size the file tells, so that a file that
    // grows meanwhile still cannot grow the buffer past the limit.
    constexpr qint64 Limit = MaxFileSize + 1;
    constexpr qint64 ChunkSize = qint64(64) * 1024;
    QByteArray data;
    data.reserve(qBound(qint64(0), file.size(), Limit));
    while (data.size() < Limit) {
        const QByteArray chunk = file.read(qMin(ChunkSize, Limit - data.size()));
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    return data;
}

QString boundedText(const QString &text)
{
    if (isBounded(text))
        return text;
    QString kept;
    int marks = 0;
    for (qsizetype i = 0; i < text.size() && kept.size() < MaxValueLength;) {
        char32_t character = text.at(i).unicode();
        qsizetype length = 1;
        if (QChar::isHighSurrogate(character) && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            length = 2;
        }
        marks = QChar::isMark(character) ? marks + 1 : 0;
        if (marks <= MaxCombiningMarks && kept.size() + length <= MaxValueLength)
            kept += QStringView(text).sliced(i, length);
        i += length;
    }
    return kept.size() == text.size() ? text : kept;
}

} // namespace XmlFile
