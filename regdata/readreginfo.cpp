#include "readreginfo.h"

#include "datafolder.h"
#include "xmlfile.h"

#include <QDomElement>

namespace {

// Takes each field from the first element of its name in the first group of
// the record's name, so that the order of the elements does not matter,
// unknown ones are ignored and a missing one reads as empty.
template <typename Record> void readGroup(const QDomElement &root, Record *record)
{
    const QDomElement group = root.firstChildElement(QLatin1String(Record::groupElement));
    for (const auto &field : Record::fields)
        record->*field.value = group.firstChildElement(QLatin1String(field.element)).text();
}

} // namespace

ReadRegInfo::ReadRegInfo()
{
    const QDomDocument document = XmlFile::read(
        DataFolder::filePath(QLatin1String(RegistrationRecord::fileName)), &m_found);
    // The document element's own name is not checked: only the groups inside
    // it matter.
    const QDomElement root = document.documentElement();
    readGroup(root, &m_record.firstPage);
    readGroup(root, &m_record.secondPage);
}
