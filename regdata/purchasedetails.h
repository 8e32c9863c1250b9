#ifndef KVB_PURCHASEDETAILS_H
#define KVB_PURCHASEDETAILS_H

#include "registrationrecord.h"

#include <QString>

struct AddressRecord;
struct ContactRecord;

// What the purchase page saves and sends of its own choices: the values of
// its buttons, the purchase date worked out from them, and its yes/no answers
// as "1" and "0". The page refills it from its widgets before every save.
struct PurchaseDetails
{
    QString purchaseDate;
    QString businessType;
    QString purchaseLocation;
    QString userType;
    QString workType;
    QString reseller;
    QString workTypeOther;
    QString otherSystems;
    QString contactMe;
    QString thirdParty;

    // The purchase date as the registration service takes it, for month 0
    // (January) to 11: the given date less one month and one day, one second
    // after local midnight, written as UTC "MM/DD/YYYY hh:mm:ss" with the
    // month counted from 0. Empty for a month outside 0 to 11, or a date
    // that the system clock cannot represent.
    static QString dateText(int month, int day, int year);

    // The record to save: the contact details, the address with its names
    // rather than its codes, these details, and the three values of the
    // date's buttons rather than the date.
    RegistrationRecord toRecord(const ContactRecord &contact, const AddressRecord &address,
        const QString &month, const QString &day, const QString &year) const;
};

#endif
