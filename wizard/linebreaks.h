#ifndef KVB_LINEBREAKS_H
#define KVB_LINEBREAKS_H

#include <QString>

class QFontMetrics;

// The width of the widest piece of text that cannot be broken across lines,
// where the text's language allows breaks: at spaces in English or German,
// between almost any two characters in Japanese, after a "/" or a "-". A
// wrapped text never needs less room than this.
int widestUnbreakable(const QString &text, const QFontMetrics &metrics);

#endif
