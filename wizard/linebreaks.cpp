#include "linebreaks.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>

int widestUnbreakable(const QString &text, const QFontMetrics &metrics)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int widest = 0;
    qsizetype start = 0;
    for (qsizetype at = breaks.toNextBoundary(); at > 0; at = breaks.toNextBoundary()) {
        // The blank at the end of a piece goes with the break.
        widest = qMax(widest, metrics.horizontalAdvance(text.mid(start, at - start).trimmed()));
        start = at;
    }
    return widest;
}
