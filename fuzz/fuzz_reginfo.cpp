// The saved record's reader, on any bytes in RegInfo.xml.
#include "datafile.h"
#include "regdata/readreginfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writeDataFile("RegInfo.xml", data, size);
    ReadRegInfo reader;
    if (!reader.recordFound())
        qFatal("A regular file was not found");
    return 0;
}
