#ifndef KVB_ISOCODES_H
#define KVB_ISOCODES_H

#include <QList>
#include <QString>

// The countries of the world and their top-level subdivisions, read from
// Debian's iso-codes package. The sample country catalogue is made from it,
// and the stand-in engine verifies addresses against it, so both agree on
// every name and code.
//
// Names are made readable for a list and safe for the comma-separated texts
// that carry them to the engine: the common name where the data has one, no
// bracketed variants, no commas, no equals signs.
namespace IsoCodes {

struct Region
{
    QString code; // the subdivision code without its "CC-" prefix
    QString name;
};

struct Country
{
    QString code; // ISO 3166-1 alpha-2
    QString name;
    QList<Region> regions; // in alphabetical order of their names
};

QString defaultFolder();

// Every country, in alphabetical order of its name. A country without
// subdivisions gets one region named after the country, with the country's
// code, so that it can be chosen. Empty when the data cannot be read.
QList<Country> readCountries(const QString &folder = defaultFolder());

// A name from the data made readable: "Virgin Islands, British" becomes
// "British Virgin Islands", "Galicia [Galicia]" becomes "Galicia".
QString readableName(const QString &isoName);

// Orders names alphabetically, ignoring case and accents.
bool nameLessThan(const QString &left, const QString &right);

} // namespace IsoCodes

#endif
