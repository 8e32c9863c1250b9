// The reseller catalogue's reader, on any bytes in RegReseller.xml: the resellers are those of
// the DOM parser's document of the same bytes.
#include "datafile.h"
#include "regdata/xmlfile.h"
#include "regdata/xmlresellerstruct.h"

#include <QDomElement>
#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QDomDocument document = XmlFile::read(writeDataFile("RegReseller.xml", data, size));
    XMLResellerStruct catalogue;
    const QStringList names = catalogue.resellerNames();
    if (QSet<QString>(names.cbegin(), names.cend()).size() != names.size())
        qFatal("A reseller is listed twice");
    QStringList resellers;
    for (const ResellerEntry &entry : catalogue.entries())
        resellers << entry.id << entry.name;

    QStringList inDocument;
    for (QDomElement reseller = document.documentElement().firstChildElement("Reseller");
         !reseller.isNull(); reseller = reseller.nextSiblingElement("Reseller"))
        inDocument << reseller.attribute("ID") << reseller.text();
    if (resellers != inDocument)
        qFatal("The resellers differ from the document's");
    return 0;
}
