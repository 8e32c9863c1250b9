#ifndef KVB_TRANSLATIONS_H
#define KVB_TRANSLATIONS_H

#include <QString>
#include <QStringList>

// The program in the user's language: its own translations, compiled into
// it, and the toolkit's, for the first of the user's languages as the
// toolkit reads them (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). English,
// "C" and "POSIX" mean the program's own English texts.
namespace Translations {

// The language to show, as a locale name such as "de" or "ja_JP": the first
// of languages that is English or that the program has a translation for
// (available holds their names, "de", "ja"); empty for English. Names the
// toolkit does not know are passed over.
QString chosenLanguage(const QStringList &languages, const QStringList &available);

// Installs the translations for the user's languages into the application,
// and makes the chosen language's locale the default, so that month names,
// dates and the order of names follow it; English keeps the user's country.
// Returns the language chosen, or an empty text for English. Call once, after the application is
// made.
QString install();

} // namespace Translations

#endif
