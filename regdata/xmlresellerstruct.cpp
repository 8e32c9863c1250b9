#include "xmlresellerstruct.h"

#include "datafolder.h"
#include "xmlfile.h"

XMLResellerStruct::XMLResellerStruct()
{
    read();
}

XMLResellerStruct::~XMLResellerStruct()
{
    qDeleteAll(m_entries);
}

void XMLResellerStruct::read()
{
    const QDomDocument document
        = XmlFile::read(DataFolder::catalogueFilePath(QStringLiteral("RegData/RegReseller.xml")));
    const QString resellerTag = QStringLiteral("Reseller");

    const QDomElement root = document.documentElement();
    for (QDomElement reseller = root.firstChildElement(resellerTag); !reseller.isNull();
         reseller = reseller.nextSiblingElement(resellerTag)) {
        m_entries.append(
            new ResellerEntry {reseller.attribute(QStringLiteral("ID")), reseller.text()});
    }
}

QStringList XMLResellerStruct::resellerNames()
{
    for (const ResellerEntry *entry : std::as_const(m_entries)) {
        if (!m_names.contains(entry->name))
            m_names.append(entry->name);
    }
    return m_names;
}
