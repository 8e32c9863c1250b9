#ifndef KVB_PURCHASECHOICES_H
#define KVB_PURCHASECHOICES_H

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

// The location that asks for the reseller.
inline const QLatin1String resellerLocation("Tarn Reseller");
// A work type containing this asks for the user's own words.
inline const QLatin1String otherWork("Other");

} // namespace PurchaseChoices

#endif
