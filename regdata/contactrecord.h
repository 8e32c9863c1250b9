#ifndef KVB_CONTACTRECORD_H
#define KVB_CONTACTRECORD_H

#include <QString>

// The contact details that the first page collects at each Next. The pages
// share one record through a QSharedPointer, so it lives as long as any page
// still holds it.
struct ContactRecord
{
    QString firstName;
    QString lastName;
    QString company;
    QString department;
    QString emailAddress;
    QString phoneNumber;
    QString title;
};

#endif
