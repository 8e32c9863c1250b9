#ifndef KVB_RESELLERENTRY_H
#define KVB_RESELLERENTRY_H

#include <QString>

// One reseller of the reseller catalogue. Only the name is shown, saved and
// sent; the identifier is kept as the file gives it.
struct ResellerEntry
{
    QString id;
    QString name;
};

#endif
