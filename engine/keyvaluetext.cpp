#include "keyvaluetext.h"

KeyValueText::KeyValueText(QByteArrayView text)
{
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text = text.first(end);
    for (qsizetype start = 0;;) {
        const qsizetype comma = text.indexOf(',', start);
        m_items.append(text.sliced(start, (comma < 0 ? text.size() : comma) - start));
        if (comma < 0)
            return;
        start = comma + 1;
    }
}

QByteArray KeyValueText::value(QByteArrayView key) const
{
    // An item's key part ends at its first "=", so a key that holds one
    // matches nothing.
    if (!key.contains('=')) {
        for (const QByteArrayView item : m_items) {
            if (item.size() <= key.size() || item.at(key.size()) != '=' || !item.startsWith(key))
                continue;
            const QByteArrayView value = item.sliced(key.size() + 1);
            const qsizetype nextEquals = value.indexOf('=');
            return (nextEquals < 0 ? value : value.first(nextEquals)).toByteArray();
        }
    }
    return QByteArrayLiteral("UNSUPPORTED");
}
