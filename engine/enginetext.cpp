#include "enginetext.h"

#include <algorithm>

namespace {

bool fitsLatin1(QChar c)
{
    return c.unicode() < 0x100;
}

} // namespace

QByteArray engineText(const QString &text)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QByteArray bytes;
    bytes.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed.at(i);
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate())
            ++i;
        bytes += fitsLatin1(c) ? char(c.unicode()) : '?';
    }
    return bytes;
}

bool losesCharacters(const QString &text)
{
    // Most text is Latin-1 as it stands, which no composing changes.
    if (std::all_of(text.cbegin(), text.cend(), fitsLatin1))
        return false;
    const QString composed = text.normalized(QString::NormalizationForm_C);
    return !std::all_of(composed.cbegin(), composed.cend(), fitsLatin1);
}
