#include "xmlfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace XmlFile {

bool isWithinLimits(const QByteArray &data)
{
    if (data.size() > MaxFileSize)
        return false;
    QXmlStreamReader reader(data);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > MaxDepth || reader.attributes().size() > MaxAttributes)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return true;
}

QDomDocument read(const QString &fileName, bool *opened)
{
    QFile file(fileName);
    const bool isOpen = file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (opened)
        *opened = isOpen;
    QDomDocument document;
    if (!isOpen || file.size() > MaxFileSize)
        return document;
    const QByteArray data = file.read(MaxFileSize + 1);
    if (isWithinLimits(data))
        document.setContent(data, false);
    return document;
}

} // namespace XmlFile
