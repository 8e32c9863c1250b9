#include "requesttext.h"

#include <QStringList>

#include <array>
#include <utility>

namespace RequestText {

namespace {

struct Item
{
    QLatin1String key;
    QString AddressRecord::*value;
};

// The items of the address text, in the order in which they are written.
constexpr std::array<Item, 8> addressItems {{
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
    addressItems[0],
    addressItems[1],
    {QLatin1String(), nullptr},
    addressItems[2],
    addressItems[3],
    addressItems[4],
    addressItems[5],
    addressItems[6],
    addressItems[7],
}};

QString joined(const QStringList &items)
{
    return items.join(QLatin1Char(','));
}

} // namespace

QString address(const AddressRecord &address)
{
    QStringList items;
    for (const Item &item : addressItems)
        items << item.key + QLatin1Char('=') + address.*item.value;
    return joined(items);
}

QString registration(const QString &systemId, const QString &serial, const ContactRecord &contact,
    const PurchaseDetails &purchase, const AddressRecord &address)
{
    const std::pair<const char *, const QString &> pairs[] = {
        {"SystemID", systemId},
        {"Serial", serial},
        {"FirstName", contact.firstName},
        {"LastName", contact.lastName},
        {"Company", contact.company},
        {"Department", contact.department},
        {"Email", contact.emailAddress},
        {"Phone", contact.phoneNumber},
        {"Title", contact.title},
        {"PurchaseDate", purchase.purchaseDate},
        {"BusinessType", purchase.businessType},
        {"PurchaseLocation", purchase.purchaseLocation},
        {"UserType", purchase.userType},
        {"WorkType", purchase.workType},
        {"OtherSystems", purchase.otherSystems},
        {"Reseller", purchase.reseller},
        {"WorkTypeOther", purchase.workTypeOther},
        {"ThirdParty", purchase.thirdParty},
        {"ContactMe", purchase.contactMe},
    };
    QStringList items;
    for (const auto &[key, value] : pairs)
        items << QLatin1String(key) + QLatin1Char('=') + value;
    // The address goes as the address check takes it.
    items << RequestText::address(address);
    return joined(items);
}

bool readCorrectedAddress(const QString &reply, AddressRecord &corrected)
{
    const QStringList parts = reply.split(QLatin1Char(','));
    if (parts.size() < qsizetype(replyParts.size()))
        return false;

    for (std::size_t position = 0; position < replyParts.size(); ++position) {
        const Item &item = replyParts[position];
        const QString &part = parts[qsizetype(position)];
        if (!item.value || !part.contains(item.key))
            continue;
        // A value may hold "=" itself, so only the first one ends the key.
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        corrected.*item.value = equals < 0 ? part : part.mid(equals + 1);
    }
    return true;
}

} // namespace RequestText
