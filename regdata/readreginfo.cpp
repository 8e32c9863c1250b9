#include "readreginfo.h"

#include "datafolder.h"
#include "xmlfile.h"

#include "platform/platform.h"

#include <QDomElement>

namespace {

// Takes each field from the first element of its name in the first group of
// the record's name, so that the order of the elements does not matter,
// unknown ones are ignored and a missing one reads as empty.
template <typename Record> void readGroup(const QDomElement &root, Record *record)
{
    const QDomElement group = root.firstChildElement(QLatin1String(Record::groupElement));
    for (const auto &field : Record::fields) {
        record->*field.value
            = XmlFile::boundedText(group.firstChildElement(QLatin1String(field.element)).text());
    }
}

} // namespace

ReadRegInfo::ReadRegInfo()
{
    Platform::Ownership ownership = Platform::Ownership::Missing;
    const QString fileName = DataFolder::filePath(QLatin1String(RegistrationRecord::fileName));
    const int fd
        = fileName.isEmpty() ? -1 : Platform::openOwnFile(fileName.toStdString(), &ownership);
    m_found = fd >= 0;
    m_refused = ownership == Platform::Ownership::Foreign;
    // The document element's own name is not checked: only the groups inside
    // it matter.
    const QDomElement root = XmlFile::parse(XmlFile::readAll(fd)).documentElement();
    readGroup(root, &m_record.firstPage);
    readGroup(root, &m_record.secondPage);
}
