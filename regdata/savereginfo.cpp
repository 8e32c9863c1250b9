#include "savereginfo.h"

#include "datafolder.h"

#include <QDomDocument>
#include <QSaveFile>

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
    const QByteArray bytes = toXml();
    DataFolder::makeFoldersFor(QLatin1String(RegistrationRecord::fileName));
    QSaveFile file(DataFolder::filePath(QLatin1String(RegistrationRecord::fileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // The record holds personal data. A file system that cannot restrict it
    // still gets the record: losing the user's data would be worse.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        file.unsetError();

    // commit() can report success after a short write or a failed flush, and
    // would then put a truncated file in place of a good one, so every step
    // of the write is checked before it.
    if (file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
