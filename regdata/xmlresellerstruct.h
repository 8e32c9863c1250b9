#ifndef KVB_XMLRESELLERSTRUCT_H
#define KVB_XMLRESELLERSTRUCT_H

#include "resellerentry.h"

#include <QList>
#include <QObject>
#include <QStringList>

// The reseller catalogue, RegReseller.xml in the data folder, read once at
// construction.
class XMLResellerStruct : public QObject
{
    Q_OBJECT

public:
    XMLResellerStruct();
    ~XMLResellerStruct() override;

    // The distinct reseller names, each at the place of its first entry.
    QStringList resellerNames();
    // Every entry, in file order.
    QList<ResellerEntry *> entries() const { return m_entries; }

private:
    void read();

    QList<ResellerEntry *> m_entries;
    QStringList m_names;
};

#endif
