#include "xmlresellerstruct.h"

#include "cataloguefile.h"
#include "datafolder.h"

#include <QSet>

namespace {

// Only the direct children of the document element named "Reseller" are
// resellers, named by their whole text.
void parse(XmlFile::ElementReader &file, XMLResellerStruct::Entries &entries)
{
    QSet<QString> listed;
    while (file.readNextElement()) {
        if (file.depth() != 1 || !file.isNamed(QLatin1String("Reseller")))
            continue;
        const QString id = file.attribute(QLatin1String("ID"));
        const ResellerEntry entry {id, file.readText()};
        entries.entries.append(entry);
        // A name is listed once, at its first entry.
        if (!listed.contains(entry.name)) {
            listed.insert(entry.name);
            entries.names.append(entry.name);
        }
    }
}

} // namespace

XMLResellerStruct::XMLResellerStruct()
{
    static CatalogueFile<Entries> file(parse);
    m_entries
        = file.content(DataFolder::catalogueFilePath(QStringLiteral("RegData/RegReseller.xml")));
}

XMLResellerStruct::~XMLResellerStruct() = default;

QStringList XMLResellerStruct::resellerNames() const
{
    return m_entries->names;
}

QList<ResellerEntry> XMLResellerStruct::entries() const
{
    return m_entries->entries;
}
