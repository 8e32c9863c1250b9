#include "outbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace Outbox {

QString path()
{
    QString outbox = qEnvironmentVariable("QUILL_OUTBOX");
    if (!outbox.isEmpty())
        return outbox;
    QString stateFolder = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is to be ignored, like an unset one.
    if (stateFolder.isEmpty() || QDir::isRelativePath(stateFolder))
        stateFolder = QDir::homePath() + QStringLiteral("/.local/state");
    return stateFolder + QStringLiteral("/quill/outbox.txt");
}

namespace {

// The lines hold personal data: the folders made on the way and a new file
// are their owner's alone from the moment they exist.
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Makes the missing folders above fileName, from the top down, each with
// the owner's rights alone.
bool makeFoldersFor(const QString &fileName)
{
    QStringList missing;
    for (QString folder = QFileInfo(fileName).absolutePath(); !QFileInfo::exists(folder);
         folder = QFileInfo(folder).absolutePath())
        missing.prepend(folder);
    for (const QString &folder : std::as_const(missing)) {
        if (!QDir().mkdir(folder, OwnerOnly | QFileDevice::ExeOwner))
            return false;
    }
    return true;
}

} // namespace

bool append(const QByteArray &line)
{
    const QString fileName = path();
    if (!makeFoldersFor(fileName))
        return false;
    QFile file(fileName);
    const QFileInfo info(fileName);
    // Unbuffered, so that a full disk shows in the write itself and a failed
    // line can be taken back instead of being retried when the file closes.
    // A device such as /dev/null cannot be appended to, only written.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    mode |= !info.exists() || info.isFile() ? QIODevice::Append : QIODevice::ExistingOnly;
    if (!file.open(mode, OwnerOnly))
        return false;
    const qint64 sizeBefore = file.isSequential() ? 0 : file.size();
    if (file.write(line) == line.size() && file.flush() && file.error() == QFileDevice::NoError)
        return true;
    // A partial line would run into the next one.
    if (!file.isSequential())
        file.resize(sizeBefore);
    return false;
}

} // namespace Outbox
