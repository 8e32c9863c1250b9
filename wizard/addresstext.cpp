#include "addresstext.h"

#include <QStringList>

#include <array>

namespace {

struct Item
{
    QLatin1String key;
    QString AddressRecord::*value;
};

// The items of the address text, in the order in which they are written.
constexpr std::array<Item, 8> textItems {{
    {QLatin1String("ADDRESS1"), &AddressRecord::streetAddress1},
    {QLatin1String("ADDRESS2"), &AddressRecord::streetAddress2},
    {QLatin1String("CITY"), &AddressRecord::city},
    {QLatin1String("STATE"), &AddressRecord::regionCode},
    {QLatin1String("REGION_NAME"), &AddressRecord::regionName},
    {QLatin1String("POSTCODE"), &AddressRecord::postcode},
    {QLatin1String("COUNTRY"), &AddressRecord::countryCode},
    {QLatin1String("COUNTRY_NAME"), &AddressRecord::countryName},
}};

// The parts of a corrected address by position; the third part, which the
// check fills as it likes, is skipped.
constexpr std::array<Item, 9> replyParts {{
    {QLatin1String("ADDRESS1"), &AddressRecord::streetAddress1},
    {QLatin1String("ADDRESS2"), &AddressRecord::streetAddress2},
    {QLatin1String(), nullptr},
    {QLatin1String("CITY"), &AddressRecord::city},
    {QLatin1String("STATE"), &AddressRecord::regionCode},
    {QLatin1String("REGION_NAME"), &AddressRecord::regionName},
    {QLatin1String("POSTCODE"), &AddressRecord::postcode},
    {QLatin1String("COUNTRY"), &AddressRecord::countryCode},
    {QLatin1String("COUNTRY_NAME"), &AddressRecord::countryName},
}};

} // namespace

QString addressText(const AddressRecord &address)
{
    QStringList items;
    for (const Item &item : textItems)
        items << item.key + QLatin1Char('=') + address.*item.value;
    return items.join(QLatin1Char(','));
}

bool readCorrectedAddress(const QString &reply, AddressRecord &corrected)
{
    const QStringList parts = reply.split(QLatin1Char(','));
    if (parts.size() < int(replyParts.size()))
        return false;

    for (std::size_t position = 0; position < replyParts.size(); ++position) {
        const Item &item = replyParts[position];
        const QString &part = parts[int(position)];
        if (!item.value || !part.contains(item.key))
            continue;
        // A value may hold "=" itself, so only the first one ends the key.
        const int equals = part.indexOf(QLatin1Char('='));
        corrected.*item.value = equals < 0 ? part : part.mid(equals + 1);
    }
    return true;
}
