#include "xmlregstruct.h"

#include "datafolder.h"
#include "xmlfile.h"

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

} // namespace

XMLRegStruct::XMLRegStruct()
{
    read();
}

XMLRegStruct::~XMLRegStruct() = default;

void XMLRegStruct::read()
{
    const QDomDocument document
        = XmlFile::read(DataFolder::catalogueFilePath(QStringLiteral("RegData/RegMaster.xml")));
    const QString countryTag = QStringLiteral("Country");
    const QString stateTag = QStringLiteral("State");
    const QString longNameTag = QStringLiteral("LongName");
    const QString shortTag = QStringLiteral("Short");

    const QDomElement root = document.documentElement();
    for (QDomElement country = root.firstChildElement(countryTag); !country.isNull();
         country = country.nextSiblingElement(countryTag)) {
        const CountryEntry *countryEntry = &m_countries.emplace_back(CountryEntry {
            country.attribute(longNameTag), country.attribute(QStringLiteral("ShortName"))});
        for (QDomElement state = country.firstChildElement(stateTag); !state.isNull();
             state = state.nextSiblingElement(stateTag)) {
            const QDomElement name = state.firstChildElement(longNameTag);
            m_regions.append(&m_regionStore.emplace_back(
                RegionEntry {countryEntry, textOf(name), name.attribute(shortTag)}));
        }
    }
}

QStringList XMLRegStruct::countryNames()
{
    QSet<QString> listed(m_countryNames.cbegin(), m_countryNames.cend());
    const CountryEntry *previous = nullptr;
    for (const RegionEntry *region : std::as_const(m_regions)) {
        // The regions of one country element come one after the other.
        if (region->country == previous)
            continue;
        previous = region->country;
        if (!listed.contains(previous->longName)) {
            listed.insert(previous->longName);
            m_countryNames.append(previous->longName);
        }
    }
    return m_countryNames;
}

QString XMLRegStruct::countryCode(const QString &longName) const
{
    for (const RegionEntry *region : m_regions) {
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
    for (const RegionEntry *region : m_regions) {
        if (region->longName != longName)
            continue;
        if (region->country->longName == countryName)
            return region->shortCode;
        if (!firstOfName)
            firstOfName = region;
    }
    return firstOfName ? firstOfName->shortCode : QString();
}
