#include "xmlregstruct.h"

#include "cataloguefile.h"
#include "datafolder.h"

#include <QSet>

namespace {

// Only the direct children of the document element named "Country" are
// countries, only their direct children named "State" regions, and only the
// first "LongName" within a region names it; other elements are skipped.
// A region without a name has an empty one.
void parse(XmlFile::ElementReader &file, XMLRegStruct::Entries &entries)
{
    const CountryEntry *country = nullptr;
    RegionEntry *region = nullptr;
    bool named = false;
    while (file.readNextElement()) {
        switch (file.depth()) {
        case 1:
            country = file.isNamed(QLatin1String("Country")) ? &entries.countries.emplace_back(
                          CountryEntry {file.attribute(QLatin1String("LongName")),
                              file.attribute(QLatin1String("ShortName"))})
                                                             : nullptr;
            region = nullptr;
            break;
        case 2:
            region = country && file.isNamed(QLatin1String("State"))
                ? &entries.regionStore.emplace_back(RegionEntry {country, {}, {}})
                : nullptr;
            if (region)
                entries.regions.append(region);
            named = false;
            break;
        case 3:
            if (region && !named && file.isNamed(QLatin1String("LongName"))) {
                named = true;
                region->shortCode = file.attribute(QLatin1String("Short"));
                region->longName = file.readText();
            }
            break;
        default:
            break;
        }
    }

    // A country is listed once, at its first region, even when two country
    // elements share its name.
    QSet<QString> listed;
    const CountryEntry *previous = nullptr;
    for (const RegionEntry *entry : std::as_const(entries.regions)) {
        // The regions of one country element come one after the other.
        if (entry->country == previous)
            continue;
        previous = entry->country;
        if (!listed.contains(previous->longName)) {
            listed.insert(previous->longName);
            entries.countryNames.append(previous->longName);
        }
    }
}

} // namespace

XMLRegStruct::XMLRegStruct()
{
    static CatalogueFile<Entries> file(parse);
    m_entries
        = file.content(DataFolder::catalogueFilePath(QStringLiteral("RegData/RegMaster.xml")));
}

XMLRegStruct::~XMLRegStruct() = default;

QStringList XMLRegStruct::countryNames() const
{
    return m_entries->countryNames;
}

QList<const RegionEntry *> XMLRegStruct::regions() const
{
    return m_entries->regions;
}

QString XMLRegStruct::countryCode(const QString &longName) const
{
    for (const RegionEntry *region : m_entries->regions) {
        if (region->country->longName == longName)
            return region->country->shortName;
    }
    return QString();
}

QString XMLRegStruct::regionCode(const QString &longName, const QString &countryName) const
{
    // Region names repeat across countries ("Amazonas" in Brazil and in
    // Colombia), and the address check needs the chosen country's own.
    const RegionEntry *firstOfName = nullptr;
    for (const RegionEntry *region : m_entries->regions) {
        if (region->longName != longName)
            continue;
        if (region->country->longName == countryName)
            return region->shortCode;
        if (!firstOfName)
            firstOfName = region;
    }
    return firstOfName ? firstOfName->shortCode : QString();
}
