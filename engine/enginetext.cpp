#include "enginetext.h"

QByteArray engineText(const QString &text)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QByteArray bytes;
    bytes.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed.at(i);
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate())
            ++i;
        bytes += c.unicode() < 0x100 ? char(c.unicode()) : '?';
    }
    return bytes;
}
