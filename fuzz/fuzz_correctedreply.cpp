// The contact page's reading of a corrected address, on any reply the engine
// could give: Latin-1 text read by position.
#include "engine/requesttext.h"

#include <QStringList>

#include <cstdint>

namespace {

QStringList fields(const AddressRecord &address)
{
    return {address.streetAddress1, address.streetAddress2, address.city, address.regionName,
        address.regionCode, address.postcode, address.countryName, address.countryCode};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString reply
        = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const AddressRecord untouched {"a1", "a2", "c", "rn", "rc", "p", "cn", "cc"};
    AddressRecord corrected = untouched;
    const bool read = RequestText::readCorrectedAddress(reply, corrected);

    if (read != (reply.count(QLatin1Char(',')) >= 8))
        qFatal("A reply of nine parts or more is read, a shorter one is not");
    if (!read && fields(corrected) != fields(untouched))
        qFatal("A reply that cannot be read changed the address");
    for (const QString &field : fields(corrected)) {
        if (field.contains(QLatin1Char(',')))
            qFatal("A field holds more than its part");
    }
    return 0;
}
