// The three data files' readers on any bytes, the input written as each of RegInfo.xml,
// RegMaster.xml and RegReseller.xml: the record is found, no country or reseller is listed twice,
// no list is longer and no value longer than the program takes.
#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/xmlfile.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void expectListed(const QStringList &names)
{
    if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
        qFatal("A name is listed twice");
    if (names.size() > XmlFile::MaxListEntries)
        qFatal("A list is longer than the limit");
}

void expectBounded(const QStringList &values)
{
    for (const QString &value : values) {
        if (XmlFile::boundedText(value) != value)
            qFatal("A value is longer than the limit");
    }
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

    const ReadRegInfo record;
    if (!record.recordFound())
        qFatal("A regular file was not found");
    QStringList values;
    for (const auto &field : FirstPageRecord::fields)
        values << record.record().firstPage.*field.value;

    const XMLRegStruct catalogue;
    expectListed(catalogue.countryNames());
    for (const RegionEntry *region : catalogue.regions()) {
        catalogue.regionCode(region->longName, region->country->longName);
        values << region->country->longName << region->country->shortName << region->longName
               << region->shortCode;
    }

    const XMLResellerStruct resellers;
    expectListed(resellers.resellerNames());
    for (const ResellerEntry &entry : resellers.entries())
        values << entry.id << entry.name;
    expectBounded(values);
    return 0;
}
