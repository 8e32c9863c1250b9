#ifndef KVB_ENGINETEXT_H
#define KVB_ENGINETEXT_H

#include <QByteArray>
#include <QString>

// Text as the engine takes it: 8-bit Latin-1. The text is composed first
// (Unicode NFC), so that a letter typed as a base letter and a combining
// accent arrives as the one Latin-1 letter it is; then each character that
// Latin-1 cannot hold becomes one "?", also one that takes two UTF-16 units.
QByteArray engineText(const QString &text);

// Whether engineText() puts a "?" in place of a character of text: the
// character cannot reach the maker as it is written.
bool losesCharacters(const QString &text);

#endif
