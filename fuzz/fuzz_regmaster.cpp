// The country catalogue's reader and lookups, on any bytes in RegMaster.xml.
#include "datafile.h"
#include "regdata/xmlregstruct.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writeDataFile("RegMaster.xml", data, size);
    XMLRegStruct catalogue;
    const QStringList names = catalogue.countryNames();
    if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
        qFatal("A country is listed twice");
    for (const QString &name : names)
        catalogue.countryCode(name);
    for (const RegionEntry *region : catalogue.regions())
        catalogue.regionCode(region->longName);
    return 0;
}
