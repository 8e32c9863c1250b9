#ifndef KVB_ADDRESSRECORD_H
#define KVB_ADDRESSRECORD_H

#include <QString>

// A postal address as the address check sees it: the first page's fields
// together with the catalogue codes of the chosen region and country. The
// pages share one record through a QSharedPointer, so it lives as long as
// any page still holds it.
struct AddressRecord
{
    QString streetAddress1;
    QString streetAddress2;
    QString city;
    QString regionName;
    QString regionCode;
    QString postcode;
    QString countryName;
    QString countryCode;
};

#endif
