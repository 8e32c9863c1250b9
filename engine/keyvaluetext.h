#ifndef KVB_KEYVALUETEXT_H
#define KVB_KEYVALUETEXT_H

#include <QByteArray>
#include <QByteArrayView>
#include <QVarLengthArray>

// A key=value text as the engine's requests carry it: items joined by single
// commas, each a key, "=" and a value, with nothing escaped. Empty items, as
// between two adjacent commas, count as items. The text is read as C text,
// which ends at its first zero byte. The object views the text, which must
// outlive it.
class KeyValueText
{
public:
    explicit KeyValueText(QByteArrayView text);

    qsizetype itemCount() const { return m_items.size(); }

    // The value of key: the first item whose part before its first "="
    // equals key byte for byte gives the text after that "=", up to the next
    // "=" or the item's end. "UNSUPPORTED" when no item matches.
    QByteArray value(QByteArrayView key) const;

private:
    QVarLengthArray<QByteArrayView, 32> m_items;
};

#endif
