#ifndef KVB_SECONDPAGERECORD_H
#define KVB_SECONDPAGERECORD_H

#include "recordfield.h"

#include <QString>

#include <array>

// The purchase details of the wizard's last page, as the "SecondRegPage"
// group of RegInfo.xml holds them. Each field is named after its element,
// with a lower-case first letter. The three yes/no fields hold "1" or "0",
// or nothing when the question was never answered.
struct SecondPageRecord
{
    QString purchaseMonth;
    QString purchaseDay;
    QString purchaseYear;
    QString purchaseLocation;
    QString resellerInfo;
    QString buyerDescription;
    QString buyerBusiness;
    QString buyerWorkType;
    QString workTypeOther;
    QString ownTarnSystems;
    QString tarnSpecial;
    QString tarnPartnerSpecial;

    static constexpr char groupElement[] = "SecondRegPage";
    // Every field, in the order of the file.
    static const std::array<RecordField<SecondPageRecord>, 12> fields;
};

inline const std::array<RecordField<SecondPageRecord>, 12> SecondPageRecord::fields = {{
    {"PurchaseMonth", &SecondPageRecord::purchaseMonth},
    {"PurchaseDay", &SecondPageRecord::purchaseDay},
    {"PurchaseYear", &SecondPageRecord::purchaseYear},
    {"PurchaseLocation", &SecondPageRecord::purchaseLocation},
    {"ResellerInfo", &SecondPageRecord::resellerInfo},
    {"BuyerDescription", &SecondPageRecord::buyerDescription},
    {"BuyerBusiness", &SecondPageRecord::buyerBusiness},
    {"BuyerWorkType", &SecondPageRecord::buyerWorkType},
    {"WorkTypeOther", &SecondPageRecord::workTypeOther},
    {"OwnTarnSystems", &SecondPageRecord::ownTarnSystems},
    {"TarnSpecial", &SecondPageRecord::tarnSpecial},
    {"TarnPartnerSpecial", &SecondPageRecord::tarnPartnerSpecial},
}};

#endif
