#ifndef KVB_PURCHASECHOICES_H
#define KVB_PURCHASECHOICES_H

#include "secondpagerecord.h"

#include <QDate>
#include <QStringList>

// The items of the purchase page's menus, in the order shown. An item is
// also the value that is saved and sent to the maker's service, so the items
// stay as they are in every language.
namespace PurchaseChoices {

QStringList months();
// 1 to 31, for every month.
QStringList days();
// The current year and the four before it, newest first.
QStringList years(int currentYear);
QStringList locations();
QStringList userTypes();
QStringList businesses();
QStringList workTypes();

// How a value of the lists above (bar the months and numbers) is shown: in
// the user's language where there is a translation.
QString caption(const QString &value);

// The location that asks for the reseller.
inline const QLatin1String resellerLocation("Tarn Reseller");
// A work type containing this asks for the user's own words.
inline const QLatin1String otherWork("Other");

// What a choice not yet made saves and sends: its button's placeholder.
namespace Placeholder {
inline const QLatin1String month("Month");
inline const QLatin1String day("Day");
inline const QLatin1String year("Year");
inline const QLatin1String location("Purchase Location");
inline const QLatin1String reseller("Reseller");
inline const QLatin1String userType("Type of User");
inline const QLatin1String business("Type of Business");
inline const QLatin1String workType("Type of Work");
} // namespace Placeholder

// A saved record as the purchase page shows it, and so saves it again: a
// choice that its menu does not offer (from a damaged or hand-edited file)
// becomes its placeholder, except a four-digit year, as a purchase may be
// older than the year menu reaches; the reseller and the user's own type of
// work count only where the location and the type of work ask for them; a
// yes or no that is not "1" is "0".
SecondPageRecord tidied(const SecondPageRecord &saved);

// What the purchase page saves before any choice is made.
SecondPageRecord unchosen();

// Whether a purchase date can be sent: a day that the month has in that year,
// and not after today. month is one of months(), day and year numbers.
enum class DateProblem
{
    None,
    NoSuchDay,
    AfterToday
};
DateProblem dateProblem(
    const QString &month, const QString &day, const QString &year, const QDate &today);

} // namespace PurchaseChoices

#endif
