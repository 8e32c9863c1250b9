#include "requesttext.h"

#include "enginetext.h"
#include "requestkeys.h"

#include <QStringList>

#include <array>

namespace RequestText {

namespace {

// A request key as Latin-1 text, its length taken from the array rather
// than measured, so that it stays a constant in every build.
template <std::size_t N> constexpr QLatin1String keyText(const char (&key)[N])
{
    return QLatin1String(key, qsizetype(N - 1));
}

struct Item
{
    QLatin1String key;
    QString AddressRecord::*value;
    // Whether the user typed the value, rather than chose it from a list.
    bool typed;
};

// The items of the address text, in the order in which they are written.
constexpr std::array<Item, 8> addressItems {{
    {keyText(RequestKeys::Address1), &AddressRecord::streetAddress1, true},
    {keyText(RequestKeys::Address2), &AddressRecord::streetAddress2, true},
    {keyText(RequestKeys::City), &AddressRecord::city, true},
    {keyText(RequestKeys::State), &AddressRecord::regionCode, false},
    {keyText(RequestKeys::RegionName), &AddressRecord::regionName, false},
    {keyText(RequestKeys::Postcode), &AddressRecord::postcode, true},
    {keyText(RequestKeys::Country), &AddressRecord::countryCode, false},
    {keyText(RequestKeys::CountryName), &AddressRecord::countryName, false},
}};

// The parts of a corrected address by position; the third part, which the
// check fills as it likes, is skipped.
constexpr std::array<Item, 9> replyParts {{
    addressItems[0],
    addressItems[1],
    {QLatin1String(), nullptr, false},
    addressItems[2],
    addressItems[3],
    addressItems[4],
    addressItems[5],
    addressItems[6],
    addressItems[7],
}};

// A value the user typed, with the two characters that would cut it short
// as blanks.
QString typed(QString value)
{
    return value.replace(QLatin1Char(','), QLatin1Char(' '))
        .replace(QLatin1Char('='), QLatin1Char(' '));
}

} // namespace

QList<Pair> addressPairs(const AddressRecord &address)
{
    QList<Pair> pairs;
    for (const Item &each : addressItems)
        pairs.append({each.key, address.*each.value, each.typed});
    return pairs;
}

QList<Pair> registrationPairs(const QString &systemId, const QString &serial,
    const ContactRecord &contact, const PurchaseDetails &purchase, const AddressRecord &address)
{
    using namespace RequestKeys;
    const auto key = [](const char *name) { return QLatin1String(name); };
    QList<Pair> pairs = {
        {key(SystemId), systemId, false},
        {key(Serial), serial, false},
        {key(FirstName), contact.firstName, true},
        {key(LastName), contact.lastName, true},
        {key(Company), contact.company, true},
        {key(Department), contact.department, true},
        {key(Email), contact.emailAddress, true},
        {key(Phone), contact.phoneNumber, true},
        {key(Title), contact.title, true},
        {key(PurchaseDate), purchase.purchaseDate, false},
        {key(BusinessType), purchase.businessType, false},
        {key(PurchaseLocation), purchase.purchaseLocation, false},
        {key(UserType), purchase.userType, false},
        {key(WorkType), purchase.workType, false},
        {key(OtherSystems), purchase.otherSystems, false},
        {key(Reseller), purchase.reseller, false},
        {key(WorkTypeOther), purchase.workTypeOther, true},
        {key(ThirdParty), purchase.thirdParty, false},
        {key(ContactMe), purchase.contactMe, false},
    };
    // The address goes as the address check takes it.
    return pairs + addressPairs(address);
}

QString joined(const QList<Pair> &pairs)
{
    QStringList items;
    for (const Pair &pair : pairs)
        items << pair.key + QLatin1Char('=') + (pair.typed ? typed(pair.value) : pair.value);
    return items.join(QLatin1Char(','));
}

QString address(const AddressRecord &address)
{
    return joined(addressPairs(address));
}

QString registration(const QString &systemId, const QString &serial, const ContactRecord &contact,
    const PurchaseDetails &purchase, const AddressRecord &address)
{
    return joined(registrationPairs(systemId, serial, contact, purchase, address));
}

bool readCorrectedAddress(const QString &reply, AddressRecord &corrected)
{
    const QStringList parts = reply.split(QLatin1Char(','));
    if (parts.size() < qsizetype(replyParts.size()))
        return false;

    for (std::size_t position = 0; position < replyParts.size(); ++position) {
        const Item &expected = replyParts[position];
        const QString &part = parts[qsizetype(position)];
        if (!expected.value || !part.contains(expected.key))
            continue;
        // A value may hold "=" itself, so only the first one ends the key.
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        corrected.*expected.value = equals < 0 ? part : part.mid(equals + 1);
    }
    return true;
}

void keepWhatCouldNotBeSent(const AddressRecord &original, AddressRecord &corrected)
{
    for (const Item &each : addressItems) {
        const QString &entered = original.*each.value;
        QString &back = corrected.*each.value;
        // A typed field went with "?" in it; the names of region and country
        // did not go at all, and come back with the service's own "?" where
        // the name is the one the user chose.
        const bool unreceived = each.typed
            ? losesCharacters(entered)
            : back == QString::fromLatin1(engineText(entered)) && back != entered;
        if (unreceived)
            back = entered;
    }
}

} // namespace RequestText
