#include "registrationnote.h"

#include "datafolder.h"

#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>

namespace RegistrationNote {

namespace {

const char FileName[] = "RegData/Registered.txt";

} // namespace

QDate read(bool *refused)
{
    const QString fileName = DataFolder::filePath(QLatin1String(FileName));
    Platform::Ownership ownership = Platform::Ownership::Missing;
    const int fd
        = fileName.isEmpty() ? -1 : Platform::openOwnFile(fileName.toStdString(), &ownership);
    if (refused)
        *refused = ownership == Platform::Ownership::Foreign;
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return QDate();
    // A date is ten characters; anything longer is not a note of ours.
    return QDate::fromString(QString::fromLatin1(file.read(32)).trimmed(), Qt::ISODate);
}

bool write(const QDate &date)
{
    const QString fileName = DataFolder::filePath(QLatin1String(FileName));
    if (fileName.isEmpty())
        return false;
    const QFileInfo file(fileName);
    return Platform::replaceFile(file.path().toStdString(), file.fileName().toStdString(),
        date.toString(Qt::ISODate).toStdString() + Platform::textLineEnd());
}

} // namespace RegistrationNote
