#include "xmlregstruct.h"

#include "cataloguefile.h"
#include "datafolder.h"
#include "xmlfile.h"

#include <QDomElement>

namespace {

QString attribute(const QDomElement &element, const char *name)
{
    return XmlFile::boundedText(element.attribute(QLatin1String(name)));
}

// The regions of one country element: its direct children named "State",
// each named by its first direct child "LongName" (an empty name without
// one), as many as a country offers, counted over all elements of its name.
void parseRegions(const QDomElement &countryElement, const CountryEntry *country,
    XMLRegStruct::Entries &entries, int &listed)
{
    for (QDomElement state = countryElement.firstChildElement(QStringLiteral("State"));
         !state.isNull() && listed < XmlFile::MaxRegionsPerCountry;
         state = state.nextSiblingElement(QStringLiteral("State")), ++listed) {
        const QDomElement name = state.firstChildElement(QStringLiteral("LongName"));
        entries.regions.append(&entries.regionStore.emplace_back(
            RegionEntry {country, XmlFile::boundedText(name.text()), attribute(name, "Short")}));
    }
}

// The direct children of the document element named "Country" are the
// countries. A country is known only through its regions, and is listed
// once, at its first region, even when two country elements share its name.
void parse(const QDomDocument &document, XMLRegStruct::Entries &entries)
{
    QHash<QString, int> regionsOf;
    for (QDomElement element
         = document.documentElement().firstChildElement(QStringLiteral("Country"));
         !element.isNull(); element = element.nextSiblingElement(QStringLiteral("Country"))) {
        const CountryEntry *country = &entries.countries.emplace_back(
            CountryEntry {attribute(element, "LongName"), attribute(element, "ShortName")});
        const bool known = regionsOf.contains(country->longName);
        int &listed = regionsOf[country->longName];
        const int before = listed;
        parseRegions(element, country, entries, listed);
        if (known)
            continue;
        if (listed == before) {
            regionsOf.remove(country->longName);
            continue;
        }
        entries.countryCodes.insert(country->longName, country->shortName);
        if (entries.countryNames.size() < XmlFile::MaxListEntries)
            entries.countryNames.append(country->longName);
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
    return m_entries->countryCodes.value(longName);
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
