#include "xmlregstruct.h"

#include "cataloguefile.h"
#include "datafolder.h"

#include <QSet>

namespace {

// The element's whole text. A name is nearly always one text node, whose
// string is then shared instead of copied.
QString textOf(const QDomElement &element)
{
    const QDomNode child = element.firstChild();
    if (child.isText() && child.nextSibling().isNull())
        return child.nodeValue();
    return element.text();
}

void parse(const QDomDocument &document, XMLRegStruct::Entries &entries)
{
    const QString countryTag = QStringLiteral("Country");
    const QString stateTag = QStringLiteral("State");
    const QString longNameTag = QStringLiteral("LongName");
    const QString shortTag = QStringLiteral("Short");

    const QDomElement root = document.documentElement();
    for (QDomElement country = root.firstChildElement(countryTag); !country.isNull();
         country = country.nextSiblingElement(countryTag)) {
        const CountryEntry *countryEntry = &entries.countries.emplace_back(CountryEntry {
            country.attribute(longNameTag), country.attribute(QStringLiteral("ShortName"))});
        for (QDomElement state = country.firstChildElement(stateTag); !state.isNull();
             state = state.nextSiblingElement(stateTag)) {
            const QDomElement name = state.firstChildElement(longNameTag);
            entries.regions.append(&entries.regionStore.emplace_back(
                RegionEntry {countryEntry, textOf(name), name.attribute(shortTag)}));
        }
    }

    // A country is listed once, at its first region, even when two country
    // elements share its name.
    QSet<QString> listed;
    const CountryEntry *previous = nullptr;
    for (const RegionEntry *region : std::as_const(entries.regions)) {
        // The regions of one country element come one after the other.
        if (region->country == previous)
            continue;
        previous = region->country;
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
