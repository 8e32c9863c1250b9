#include "purchasedetails.h"

#include "addressrecord.h"
#include "contactrecord.h"

#include <QDateTime>

#include <ctime>

namespace {

// Whether the time zone flags its winter as daylight saving time, with an
// offset below its summer's, as Europe/Dublin does: its clock in winter is
// that of a zone whose winter is standard time.
bool winterIsFlaggedDaylightSaving(int year)
{
    std::tm winter {};
    winter.tm_year = year - 1900;
    winter.tm_mday = 15;
    winter.tm_hour = 12;
    winter.tm_isdst = -1;
    std::tm summer = winter;
    summer.tm_mon = 6;
    const std::time_t winterTime = std::mktime(&winter);
    const std::time_t summerTime = std::mktime(&summer);
    const auto offset
        = [](std::time_t time) { return QDateTime::fromSecsSinceEpoch(time).offsetFromUtc(); };
    return winterTime != std::time_t(-1) && summerTime != std::time_t(-1) && winter.tm_isdst > 0
        && summer.tm_isdst == 0 && offset(winterTime) < offset(summerTime);
}

} // namespace

QString PurchaseDetails::dateText(int month, int day, int year)
{
    if (month < 0 || month > 11)
        return QString();

    // The maker's service takes the date in this shifted form, so the
    // arithmetic stays exactly as it is: month and day one too low,
    // normalised as local time without daylight saving, that is with the
    // zone's winter offset, and printed as UTC.
    std::tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day - 1;
    local.tm_hour = 0;
    local.tm_min = 0;
    local.tm_sec = 1;
    local.tm_isdst = winterIsFlaggedDaylightSaving(year) ? 1 : 0;
    const std::time_t timestamp = std::mktime(&local);
    if (timestamp == std::time_t(-1))
        return QString();
    const std::tm *utc = std::gmtime(&timestamp);
    if (!utc)
        return QString();
    return QString::asprintf("%02d/%02d/%d %02d:%02d:%02d", utc->tm_mon, utc->tm_mday,
        utc->tm_year + 1900, utc->tm_hour, utc->tm_min, utc->tm_sec);
}

RegistrationRecord PurchaseDetails::toRecord(const ContactRecord &contact,
    const AddressRecord &address, const QString &month, const QString &day,
    const QString &year) const
{
    RegistrationRecord record;
    FirstPageRecord &first = record.firstPage;
    first.firstName = contact.firstName;
    first.lastName = contact.lastName;
    first.title = contact.title;
    first.company = contact.company;
    first.department = contact.department;
    first.emailAddress = contact.emailAddress;
    first.phoneNumber = contact.phoneNumber;
    first.streetAddress1 = address.streetAddress1;
    first.streetAddress2 = address.streetAddress2;
    first.city = address.city;
    first.country = address.countryName;
    first.state = address.regionName;
    first.zip = address.postcode;

    SecondPageRecord &second = record.secondPage;
    second.purchaseMonth = month;
    second.purchaseDay = day;
    second.purchaseYear = year;
    second.purchaseLocation = purchaseLocation;
    second.resellerInfo = reseller;
    second.buyerDescription = userType;
    second.buyerBusiness = businessType;
    second.buyerWorkType = workType;
    second.workTypeOther = workTypeOther;
    second.ownTarnSystems = otherSystems;
    second.tarnSpecial = contactMe;
    second.tarnPartnerSpecial = thirdParty;
    return record;
}
