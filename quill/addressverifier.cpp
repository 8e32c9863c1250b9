#include "addressverifier.h"

#include "data/isocodes.h"
#include "engine/enginecontract.h"
#include "standardform.h"

#include <QByteArrayList>

#include <algorithm>
#include <variant>

namespace AddressVerifier {

namespace {

constexpr int MaximumReplyLength = EngineContract::ReplySize - 1;

struct CountryEntry
{
    QString name;
    bool hasSubdivisions = false;
    QHash<QString, QString> regionNames; // by region code
};

using CountryTable = QHash<QString, CountryEntry>;

CountryTable readCountryTable(const QString &folder)
{
    CountryTable table;
    for (const IsoCodes::Country &country : IsoCodes::readCountries(folder)) {
        CountryEntry entry;
        entry.name = country.name;
        // A country without subdivisions is listed with one region, named
        // after the country and carrying the country's code.
        entry.hasSubdivisions
            = country.regions.size() != 1 || country.regions.first().code != country.code;
        for (const IsoCodes::Region &region : country.regions)
            entry.regionNames.insert(region.code, region.name);
        table.insert(country.code, entry);
    }
    return table;
}

// Read once, and again only when QUILL_ISO_CODES_DIR names another folder.
const CountryTable &countryTable()
{
    static QString loadedFolder;
    static CountryTable table;
    static bool loaded = false;
    QString folder = qEnvironmentVariable("QUILL_ISO_CODES_DIR");
    if (folder.isEmpty())
        folder = IsoCodes::defaultFolder();
    if (!loaded || folder != loadedFolder) {
        table = readCountryTable(folder);
        loadedFolder = folder;
        loaded = true;
    }
    return table;
}

// A field that reached the service as "?" alone: the program sends "?" for
// each character that it cannot send, such as a name in kanji, and nothing
// of it is left to look up.
bool onlyUnreceived(const QString &field)
{
    return field.contains(QLatin1Char('?'))
        && std::none_of(field.cbegin(), field.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

QuillAnswer unverifiable(const char *reason)
{
    return QuillAnswer {QuillAnswer::Unverifiable, QByteArray("UNVERIFIED=") + reason};
}

struct Address
{
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString postcode;
    QString country;

    bool operator==(const Address &other) const
    {
        return address1 == other.address1 && address2 == other.address2 && city == other.city
            && state == other.state && postcode == other.postcode && country == other.country;
    }
};

} // namespace

namespace {

// The address in standard form, or the answer that it cannot be verified.
std::variant<Address, QuillAnswer> standardForm(const Address &entered, const CountryEntry &country)
{
    Address standard;
    standard.country = StandardForm::code(entered.country);
    // Without subdivisions the only region is the country itself, whatever
    // was entered.
    standard.state = country.hasSubdivisions ? StandardForm::code(entered.state) : standard.country;
    if (!country.regionNames.contains(standard.state))
        return unverifiable("STATE");

    const std::optional<QString> postcode
        = StandardForm::postcode(standard.country, entered.postcode);
    if (!postcode)
        return unverifiable("POSTCODE");
    standard.postcode = *postcode;

    standard.address1 = StandardForm::streetLine(entered.address1);
    if (standard.address1.isEmpty() || onlyUnreceived(standard.address1))
        return unverifiable("ADDRESS1");
    standard.address2 = StandardForm::streetLine(entered.address2);
    if (onlyUnreceived(standard.address2))
        return unverifiable("ADDRESS2");
    standard.city = StandardForm::placeName(entered.city);
    if (standard.city.isEmpty() || onlyUnreceived(standard.city))
        return unverifiable("CITY");
    return standard;
}

// The reply of a corrected address. Position 2 is the stand-in's own item:
// the full ISO 3166 code of the region, or the country code for a country
// without subdivisions.
QuillAnswer corrected(const Address &standard, const CountryEntry &country)
{
    const QString isoCode = country.hasSubdivisions
        ? standard.country + QLatin1Char('-') + standard.state
        : standard.country;
    const QStringList items = {
        QStringLiteral("ADDRESS1=") + standard.address1,
        QStringLiteral("ADDRESS2=") + standard.address2,
        QStringLiteral("ISO_CODE=") + isoCode,
        QStringLiteral("CITY=") + standard.city,
        QStringLiteral("STATE=") + standard.state,
        QStringLiteral("REGION_NAME=") + country.regionNames.value(standard.state),
        QStringLiteral("POSTCODE=") + standard.postcode,
        QStringLiteral("COUNTRY=") + standard.country,
        QStringLiteral("COUNTRY_NAME=") + country.name,
    };
    // Names outside Latin-1 reach the program with "?" in their place.
    const QByteArray reply = items.join(QLatin1Char(',')).toLatin1();
    if (reply.size() > MaximumReplyLength)
        return unverifiable("TOO_LONG");
    return QuillAnswer {QuillAnswer::Corrected, reply};
}

} // namespace

QuillAnswer verify(const QHash<QByteArray, QByteArray> &parameters)
{
    static const char *const keys[]
        = {"ADDRESS1", "ADDRESS2", "CITY", "STATE", "POSTCODE", "COUNTRY"};
    for (const char *key : keys) {
        // A value with "=" could not be read back from a reply.
        if (parameters.value(key).contains('='))
            return unverifiable(key);
    }
    auto field
        = [&parameters](const char *key) { return QString::fromLatin1(parameters.value(key)); };
    const Address entered {field("ADDRESS1"), field("ADDRESS2"), field("CITY"), field("STATE"),
        field("POSTCODE"), field("COUNTRY")};

    const CountryTable &countries = countryTable();
    if (countries.isEmpty())
        return unverifiable("NO_COUNTRY_DATA");
    const auto country = countries.constFind(StandardForm::code(entered.country));
    if (country == countries.cend())
        return unverifiable("COUNTRY");

    const std::variant<Address, QuillAnswer> standard = standardForm(entered, *country);
    if (const auto *refused = std::get_if<QuillAnswer>(&standard))
        return *refused;
    if (std::get<Address>(standard) == entered)
        return QuillAnswer {QuillAnswer::Accepted, QByteArrayLiteral("VERIFIED")};
    return corrected(std::get<Address>(standard), *country);
}

} // namespace AddressVerifier
