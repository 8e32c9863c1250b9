// The three data files' readers on any bytes, the input written as each of RegInfo.xml,
// RegMaster.xml and RegReseller.xml: the record is found, no country or reseller is listed twice,
// and the regions and the resellers are those of the DOM parser's document of the same bytes.
#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/xmlfile.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void expect(const QStringList &names, const QStringList &read, const QStringList &inDocument)
{
    if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
        qFatal("A name is listed twice");
    if (read != inDocument)
        qFatal("What was read differs from the document");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A data folder that the process makes for itself, in memory where fuzz/run can.
    static QTemporaryDir folder;
    DataFolder::setPath(folder.path() + QLatin1Char('/'));
    QDir(folder.path()).mkdir(QStringLiteral("RegData"));
    for (const char *name : {"RegInfo.xml", "RegMaster.xml", "RegReseller.xml"}) {
        QFile file(folder.filePath(QStringLiteral("RegData/") + QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            qFatal("Cannot write the data file %s", name);
    }
    const QDomElement root
        = XmlFile::read(folder.filePath(QStringLiteral("RegData/RegInfo.xml"))).documentElement();

    if (!ReadRegInfo().recordFound())
        qFatal("A regular file was not found");

    const XMLRegStruct catalogue;
    QStringList regions, inDocument;
    for (const RegionEntry *region : catalogue.regions()) {
        catalogue.regionCode(region->longName, region->country->longName);
        regions << region->country->longName << region->country->shortName << region->longName
                << region->shortCode;
    }
    for (QDomElement country = root.firstChildElement("Country"); !country.isNull();
         country = country.nextSiblingElement("Country")) {
        for (QDomElement state = country.firstChildElement("State"); !state.isNull();
             state = state.nextSiblingElement("State")) {
            const QDomElement name = state.firstChildElement("LongName");
            inDocument << country.attribute("LongName") << country.attribute("ShortName")
                       << name.text() << name.attribute("Short");
        }
    }
    expect(catalogue.countryNames(), regions, inDocument);

    const XMLResellerStruct resellers;
    QStringList entries;
    inDocument.clear();
    for (const ResellerEntry &entry : resellers.entries())
        entries << entry.id << entry.name;
    for (QDomElement reseller = root.firstChildElement("Reseller"); !reseller.isNull();
         reseller = reseller.nextSiblingElement("Reseller"))
        inDocument << reseller.attribute("ID") << reseller.text();
    expect(resellers.resellerNames(), entries, inDocument);
    return 0;
}
