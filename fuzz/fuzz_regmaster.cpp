// The country catalogue's reader and lookups, on any bytes in RegMaster.xml: the regions are
// those of the DOM parser's document of the same bytes.
#include "datafile.h"
#include "regdata/xmlfile.h"
#include "regdata/xmlregstruct.h"

#include <QDomElement>
#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QDomDocument document = XmlFile::read(writeDataFile("RegMaster.xml", data, size));
    XMLRegStruct catalogue;
    const QStringList names = catalogue.countryNames();
    if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
        qFatal("A country is listed twice");
    for (const QString &name : names)
        catalogue.countryCode(name);
    QStringList regions;
    for (const RegionEntry *region : catalogue.regions()) {
        catalogue.regionCode(region->longName);
        regions << region->country->longName << region->country->shortName << region->longName
                << region->shortCode;
    }

    QStringList inDocument;
    for (QDomElement country = document.documentElement().firstChildElement("Country");
         !country.isNull(); country = country.nextSiblingElement("Country")) {
        for (QDomElement state = country.firstChildElement("State"); !state.isNull();
             state = state.nextSiblingElement("State")) {
            const QDomElement name = state.firstChildElement("LongName");
            inDocument << country.attribute("LongName") << country.attribute("ShortName")
                       << name.text() << name.attribute("Short");
        }
    }
    if (regions != inDocument)
        qFatal("The regions differ from the document's");
    return 0;
}
