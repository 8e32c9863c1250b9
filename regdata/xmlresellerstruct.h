#ifndef KVB_XMLRESELLERSTRUCT_H
#define KVB_XMLRESELLERSTRUCT_H

#include "resellerentry.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

// The reseller catalogue, RegReseller.xml in the data folder, as it is when
// the object is made: read then, unless the file is unchanged since the last
// read, whose entries are shared.
class XMLResellerStruct : public QObject
{
    Q_OBJECT

public:
    XMLResellerStruct();
    ~XMLResellerStruct() override;

    // The distinct reseller names, each at the place of its first entry.
    QStringList resellerNames() const;
    // Every entry, in file order.
    QList<ResellerEntry> entries() const;

    // What a read of the file yields.
    struct Entries
    {
        QList<ResellerEntry> entries;
        QStringList names;
    };

private:
    std::shared_ptr<const Entries> m_entries;
};

#endif
