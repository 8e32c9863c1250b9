#ifndef KVB_XMLREGSTRUCT_H
#define KVB_XMLREGSTRUCT_H

#include "countryentry.h"
#include "regionentry.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <deque>
#include <memory>

// The country and region catalogue, RegMaster.xml in the data folder, as it
// is when the object is made: read then, unless the file is unchanged since
// the last read, whose entries are shared. A country is known only through
// its regions: one without any region is never offered or looked up.
class XMLRegStruct : public QObject
{
    Q_OBJECT

public:
    XMLRegStruct();
    ~XMLRegStruct() override;

    // The distinct country names, each at the place of its first region.
    QStringList countryNames() const;
    // Every region, in file order.
    QList<const RegionEntry *> regions() const;

    // The short name of the first country called longName, or an empty text.
    QString countryCode(const QString &longName) const;
    // The code of the region called longName in the country called
    // countryName; when that country lists no such region, the code of the
    // first region of that name in any country; else an empty text.
    QString regionCode(const QString &longName, const QString &countryName = QString()) const;

    // What a read of the file yields. The entries live in blocks of their
    // own, which keep their addresses as they grow.
    struct Entries
    {
        std::deque<CountryEntry> countries;
        std::deque<RegionEntry> regionStore;
        QList<const RegionEntry *> regions;
        QStringList countryNames;
        // Each country's code, by its name.
        QHash<QString, QString> countryCodes;
    };

private:
    std::shared_ptr<const Entries> m_entries;
};

#endif
