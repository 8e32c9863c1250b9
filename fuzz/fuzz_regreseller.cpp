// The reseller catalogue's reader, on any bytes in RegReseller.xml.
#include "datafile.h"
#include "regdata/xmlresellerstruct.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writeDataFile("RegReseller.xml", data, size);
    XMLResellerStruct catalogue;
    const QStringList names = catalogue.resellerNames();
    if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
        qFatal("A reseller is listed twice");
    return 0;
}
