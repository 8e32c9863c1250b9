#include "savereginfo.h"

#include "datafolder.h"

#include "platform/platform.h"

#include <QDomDocument>
#include <QFileInfo>

namespace {

// XML 1.0 cannot hold most control characters, the non-characters U+FFFE
// and U+FFFF, or half of a surrogate pair: one of them, pasted into a field,
// would make the file unreadable from there on, and so cost the record every
// later field. They are dropped; every other character is kept as it is.
QString xmlText(const QString &text)
{
    const auto isAllowed = [](char16_t c) {
        return c >= 0x20 ? c < 0xFFFE : c == u'\t' || c == u'\n' || c == u'\r';
    };
    QString kept;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && isAllowed(c.unicode())) {
            kept += c;
        }
    }
    return kept.size() == text.size() ? text : kept;
}

// Every field gets its element with a text node, even an empty one, so that
// the file always lists all fields.
template <typename Record> QDomElement group(QDomDocument &document, const Record &record)
{
    QDomElement group = document.createElement(QLatin1String(Record::groupElement));
    for (const auto &field : Record::fields) {
        QDomElement element = document.createElement(QLatin1String(field.element));
        element.appendChild(document.createTextNode(xmlText(record.*field.value)));
        group.appendChild(element);
    }
    return group;
}

} // namespace

SaveRegInfo::SaveRegInfo(const FirstPageRecord *firstPage, const SecondPageRecord *secondPage)
    : m_firstPage(firstPage)
    , m_secondPage(secondPage)
{ }

bool SaveRegInfo::save() const
{
    const QString fileName = DataFolder::filePath(QLatin1String(RegistrationRecord::fileName));
    if (fileName.isEmpty())
        return false;
    DataFolder::makeFoldersFor(QLatin1String(RegistrationRecord::fileName));
    // Text files end their lines as the system's own do.
    QByteArray bytes = toXml();
    bytes.replace('\n', Platform::textLineEnd());
    const QFileInfo file(fileName);
    return Platform::replaceFile(
        file.path().toStdString(), file.fileName().toStdString(), bytes.toStdString());
}

QByteArray SaveRegInfo::toXml() const
{
    QDomDocument document;
    QDomElement root = document.createElement(QLatin1String(RegistrationRecord::documentElement));
    root.appendChild(group(document, *m_firstPage));
    root.appendChild(group(document, *m_secondPage));
    document.appendChild(root);
    return document.toByteArray(1);
}
