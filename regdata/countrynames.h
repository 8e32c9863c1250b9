#ifndef KVB_COUNTRYNAMES_H
#define KVB_COUNTRYNAMES_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The names of countries in the user's language, from the translations of
// the ISO 3166 names that Debian's iso-codes installs (iso_3166-1 in the
// system's locale folders); the catalogue's own name where there is none.
// The catalogue's name stays what is saved and sent: these are for showing
// and finding a country only. The language is that of the default locale
// (see Translations::install()).
namespace CountryNames {

// The name to show for the catalogue's country called name, whose
// two-letter code is code where it is known.
QString shown(const QString &name, const QString &code = QString());

// The further names by which the country of the two-letter code is found in
// a list: its ISO 3166 names (short, official and common) in English and in
// the user's language.
QStringList searchNames(const QString &code);
// Its two- and three-letter codes.
QStringList codes(const QString &code);

// Reads what the two functions above need, so that their first use costs
// nothing.
void preload();

// The strings of a gettext message catalogue (a .mo file), by their
// untranslated text; empty when data is none.
QHash<QString, QString> readMessageCatalogue(const QByteArray &data);

} // namespace CountryNames

#endif
