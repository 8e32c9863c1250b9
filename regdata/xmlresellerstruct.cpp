#include "xmlresellerstruct.h"

#include "cataloguefile.h"
#include "datafolder.h"
#include "xmlfile.h"

#include <QDomElement>
#include <QSet>

namespace {

// Only the direct children of the document element named "Reseller" are
// resellers, named by their whole text; a name is listed once, at its first
// entry.
void parse(const QDomDocument &document, XMLResellerStruct::Entries &entries)
{
    QSet<QString> listed;
    for (QDomElement element
         = document.documentElement().firstChildElement(QStringLiteral("Reseller"));
         !element.isNull() && entries.entries.size() < XmlFile::MaxListEntries;
         element = element.nextSiblingElement(QStringLiteral("Reseller"))) {
        const ResellerEntry entry {XmlFile::boundedText(element.attribute(QStringLiteral("ID"))),
            XmlFile::boundedText(element.text())};
        entries.entries.append(entry);
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
