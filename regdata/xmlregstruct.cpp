#include "xmlregstruct.h"

#include "datafolder.h"
#include "xmlfile.h"

#include <QSet>

XMLRegStruct::XMLRegStruct()
{
    read();
}

XMLRegStruct::~XMLRegStruct()
{
    qDeleteAll(m_regions);
    qDeleteAll(m_countries);
}

void XMLRegStruct::read()
{
    const QDomDocument document
        = XmlFile::read(DataFolder::filePath(QStringLiteral("RegData/RegMaster.xml")));
    const QString countryTag = QStringLiteral("Country");
    const QString stateTag = QStringLiteral("State");
    const QString longNameTag = QStringLiteral("LongName");
    const QString shortTag = QStringLiteral("Short");

    const QDomElement root = document.documentElement();
    for (QDomElement country = root.firstChildElement(countryTag); !country.isNull();
         country = country.nextSiblingElement(countryTag)) {
        auto *countryEntry = new CountryEntry {
            country.attribute(longNameTag), country.attribute(QStringLiteral("ShortName"))};
        m_countries.append(countryEntry);
        for (QDomElement state = country.firstChildElement(stateTag); !state.isNull();
             state = state.nextSiblingElement(stateTag)) {
            const QDomElement name = state.firstChildElement(longNameTag);
            m_regions.append(new RegionEntry {countryEntry, name.text(), name.attribute(shortTag)});
        }
    }
}

QStringList XMLRegStruct::countryNames()
{
    QSet<QString> listed(m_countryNames.cbegin(), m_countryNames.cend());
    for (const RegionEntry *region : std::as_const(m_regions)) {
        const QString &name = region->country->longName;
        if (!listed.contains(name)) {
            listed.insert(name);
            m_countryNames.append(name);
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

QString XMLRegStruct::regionCode(const QString &longName) const
{
    for (const RegionEntry *region : m_regions) {
        if (region->longName == longName)
            return region->shortCode;
    }
    return QString();
}
