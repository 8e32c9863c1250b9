#ifndef KVB_COUNTRYENTRY_H
#define KVB_COUNTRYENTRY_H

#include <QString>

// One country of the country catalogue.
struct CountryEntry
{
    QString longName; // shown to the user and kept in the saved record
    QString shortName; // sent to the engine
};

#endif
