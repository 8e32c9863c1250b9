#include "xmlresellerstruct.h"

#include "cataloguefile.h"
#include "datafolder.h"

namespace {

void parse(const QDomDocument &document, XMLResellerStruct::Entries &entries)
{
    const QString resellerTag = QStringLiteral("Reseller");
    const QDomElement root = document.documentElement();
    for (QDomElement reseller = root.firstChildElement(resellerTag); !reseller.isNull();
         reseller = reseller.nextSiblingElement(resellerTag)) {
        const ResellerEntry entry {reseller.attribute(QStringLiteral("ID")), reseller.text()};
        entries.entries.append(entry);
        // A name is listed once, at its first entry.
        if (!entries.names.contains(entry.name))
            entries.names.append(entry.name);
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
