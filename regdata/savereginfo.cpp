#include "savereginfo.h"

#include "datafolder.h"

#include <QDirIterator>
#include <QDomDocument>
#include <QSaveFile>

#include <algorithm>

namespace {

// Every field gets its element with a text node, even an empty one, so that
// the file always lists all fields.
template <typename Record> QDomElement group(QDomDocument &document, const Record &record)
{
    QDomElement group = document.createElement(QLatin1String(Record::groupElement));
    for (const auto &field : Record::fields) {
        QDomElement element = document.createElement(QLatin1String(field.element));
        element.appendChild(document.createTextNode(record.*field.value));
        group.appendChild(element);
    }
    return group;
}

// A save that was killed between naming its new file and putting it in
// place leaves that file beside the record, under the record's name, a dot
// and six letters, readable by its owner only; so does one killed at any
// step on a file system without unnamed temporary files. The next save
// removes such files.
void removeInterruptedSaves(const QString &fileName)
{
    const QFileInfo record(fileName);
    const QString prefix = record.fileName() + QLatin1Char('.');
    const auto isLetter
        = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadUser | QFileDevice::WriteUser;
    // The folder holds a handful of files, so looking at each name is
    // cheaper than having the folder listing match a pattern.
    QDirIterator entries(record.path(), QDir::Files | QDir::Hidden);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        const QStringView letters = QStringView(name).sliced(prefix.size());
        if (std::all_of(letters.begin(), letters.end(), isLetter)
            && entries.fileInfo().permissions() == ownerOnly)
            QFile::remove(entries.filePath());
    }
}

} // namespace

SaveRegInfo::SaveRegInfo(const FirstPageRecord *firstPage, const SecondPageRecord *secondPage)
    : m_firstPage(firstPage)
    , m_secondPage(secondPage)
{ }

bool SaveRegInfo::save() const
{
    const QByteArray bytes = toXml();
    const QString fileName = DataFolder::filePath(QLatin1String(RegistrationRecord::fileName));
    removeInterruptedSaves(fileName);

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // The record holds personal data. A file system that cannot restrict it
    // still gets the record: losing the user's data would be worse.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        file.unsetError();

    // commit() can report success after a short write or a failed flush, and
    // would then put a truncated file in place of a good one, so every step
    // of the write is checked before it.
    if (file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray SaveRegInfo::toXml() const
{
    QDomDocument document;
    QDomElement root = document.createElement(QLatin1String(RegistrationRecord::documentElement));
    root.appendChild(group(document, *m_firstPage));
    root.appendChild(group(document, *m_secondPage));
    document.appendChild(root);
    return document.toByteArray(1);
}
