#ifndef KVB_REGIONENTRY_H
#define KVB_REGIONENTRY_H

#include <QString>

struct CountryEntry;

// One state, province or region of the country catalogue.
struct RegionEntry
{
    const CountryEntry *country = nullptr;
    QString longName; // shown to the user and kept in the saved record
    QString shortCode; // sent to the engine
};

#endif
