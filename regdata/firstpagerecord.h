#ifndef KVB_FIRSTPAGERECORD_H
#define KVB_FIRSTPAGERECORD_H

#include "recordfield.h"

#include <QString>

#include <array>

// The contact details and postal address of the wizard's first page, as the
// "FirstRegPage" group of RegInfo.xml holds them. Each field is named after
// its element, with a lower-case first letter.
struct FirstPageRecord
{
    QString firstName;
    QString lastName;
    QString title;
    QString company;
    QString department;
    QString emailAddress;
    QString phoneNumber;
    QString streetAddress1;
    QString streetAddress2;
    QString city;
    QString country;
    QString state;
    QString zip;

    static constexpr char groupElement[] = "FirstRegPage";
    // Every field, in the order of the file.
    static const std::array<RecordField<FirstPageRecord>, 13> fields;
};

inline const std::array<RecordField<FirstPageRecord>, 13> FirstPageRecord::fields = {{
    {"FirstName", &FirstPageRecord::firstName},
    {"LastName", &FirstPageRecord::lastName},
    {"Title", &FirstPageRecord::title},
    {"Company", &FirstPageRecord::company},
    {"Department", &FirstPageRecord::department},
    {"EmailAddress", &FirstPageRecord::emailAddress},
    {"PhoneNumber", &FirstPageRecord::phoneNumber},
    {"StreetAddress1", &FirstPageRecord::streetAddress1},
    {"StreetAddress2", &FirstPageRecord::streetAddress2},
    {"City", &FirstPageRecord::city},
    {"Country", &FirstPageRecord::country},
    {"State", &FirstPageRecord::state},
    {"Zip", &FirstPageRecord::zip},
}};

#endif
