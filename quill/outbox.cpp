#include "outbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool append(const QByteArray &line)
{
    const QString fileName = path();
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QFile file(fileName);
    const QFileInfo info(fileName);
    const bool created = !info.exists();
    // Unbuffered, so that a full disk shows in the write itself and a failed
    // line can be taken back instead of being retried when the file closes.
    // A device such as /dev/null cannot be appended to, only written.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    mode |= created || info.isFile() ? QIODevice::Append : QIODevice::ExistingOnly;
    if (!file.open(mode))
        return false;
    if (created) {
        // The lines hold personal data.
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const qint64 sizeBefore = file.isSequential() ? 0 : file.size();
    if (file.write(line) == line.size() && file.flush() && file.error() == QFileDevice::NoError)
        return true;
    // A partial line would run into the next one.
    if (!file.isSequential())
        file.resize(sizeBefore);
    return false;
}

} // namespace Outbox
