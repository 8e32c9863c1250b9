#ifndef KVB_XMLREGSTRUCT_H
#define KVB_XMLREGSTRUCT_H

#include "countryentry.h"
#include "regionentry.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <deque>

// The country and region catalogue, RegMaster.xml in the data folder, read
// once at construction. A country is known only through its regions: one
// without any region is never offered or looked up.
class XMLRegStruct : public QObject
{
    Q_OBJECT

public:
    XMLRegStruct();
    ~XMLRegStruct() override;

    // The distinct country names, each at the place of its first region.
    QStringList countryNames();
    // Every region, in file order.
    QList<RegionEntry *> regions() const { return m_regions; }

    // The short name of the first country called longName, or an empty text.
    QString countryCode(const QString &longName) const;
    // The code of the region called longName in the country called
    // countryName; when that country lists no such region, the code of the
    // first region of that name in any country; else an empty text.
    QString regionCode(const QString &longName, const QString &countryName = QString()) const;

private:
    void read();

    // The entries live in blocks of their own, which keep their addresses
    // as they grow.
    std::deque<CountryEntry> m_countries;
    std::deque<RegionEntry> m_regionStore;
    QList<RegionEntry *> m_regions;
    QStringList m_countryNames;
};

#endif
