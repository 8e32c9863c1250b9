// The data files' quick byte scan against the tokenizing pass: the scan must
// never accept a document that the parser pass rejects. The first bytes of
// the input choose small limits, so that short documents reach them.
#include "regdata/xmlfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    XmlFile::Limits limits;
    limits.depth = 1 + data[0] % 8;
    limits.attributes = data[1] % 8;
    limits.nodes = 1 + data[2] % 32;
    const QByteArray document(reinterpret_cast<const char *>(data) + 3, qsizetype(size - 3));

    const std::optional<bool> scanned = XmlFile::scanWithinLimits(document, limits);
    if (scanned == true && !XmlFile::parserWithinLimits(document, limits))
        qFatal("The byte scan accepted a document over the limits");
    return 0;
}
