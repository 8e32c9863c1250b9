#include "programlauncher.h"

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <vector>

extern char **environ;

namespace {

// Long enough for a start-up on a busy machine; a program that shows
// nothing in this time is broken.
constexpr int ShowTimeoutMs = 20000;

bool isReplaced(const QByteArray &name)
{
    static const QByteArrayList replaced {"QT_QPA_PLATFORM", "DISPLAY", "KVB_COMMON_FILES_DIR",
        "KVB_COMMON_FILES_DIR_X86", "QUILL_OUTBOX"};
    return replaced.contains(name) || name.startsWith("QUILL_FORCE_");
}

// The high-water mark of the process's resident memory, or -1. The system's
// accounting at the process's end would not do: it also counts the memory of
// this process, which the child shared until it started the program.
double peakResidentMebibytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

std::vector<char *> pointers(const QByteArrayList &list)
{
    std::vector<char *> result;
    for (const QByteArray &entry : list)
        result.push_back(const_cast<char *>(entry.constData()));
    result.push_back(nullptr);
    return result;
}

} // namespace

ProgramLauncher::ProgramLauncher(const QByteArray &displayName)
    : m_displayName(displayName)
    , m_watcher(displayName)
{
    for (char **variable = environ; *variable; ++variable) {
        const QByteArray entry(*variable);
        if (!isReplaced(entry.left(entry.indexOf('='))))
            m_environment.append(entry);
    }
    m_environment << "QT_QPA_PLATFORM=xcb"
                  << "DISPLAY=" + displayName << "QUILL_OUTBOX=/dev/null";
}

bool ProgramLauncher::isReady()
{
    if (!m_watcher.isConnected()) {
        m_error = QStringLiteral("cannot watch the X display %1 (it needs the damage extension)")
                      .arg(QString::fromLocal8Bit(m_displayName));
    }
    return m_watcher.isConnected();
}

std::optional<ProgramLauncher::Launch> ProgramLauncher::launch(
    const QStringList &command, const QString &commonFilesFolder, const QByteArrayList &more)
{
    QByteArrayList localCommand;
    for (const QString &part : command)
        localCommand.append(part.toLocal8Bit());
    const std::vector<char *> arguments = pointers(localCommand);
    const QByteArrayList environmentEntries = m_environment
        + QByteArrayList {"KVB_COMMON_FILES_DIR=" + commonFilesFolder.toLocal8Bit()} + more;
    const std::vector<char *> environment = pointers(environmentEntries);

    // Its standard input stays open, as the program refuses to start on a
    // closed one; what it prints is of no interest here.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawnError = posix_spawn(
        &pid, arguments.front(), &actions, nullptr, arguments.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) {
        m_error = QStringLiteral("cannot start ") + command.join(QLatin1Char(' '));
        return std::nullopt;
    }
    const bool shown = m_watcher.waitUntilShown(pid, ShowTimeoutMs);
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;

    const double peakMebibytes = peakResidentMebibytes(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (!shown || peakMebibytes < 0) {
        m_error = QStringLiteral("%1 showed no window within %2 s")
                      .arg(command.join(QLatin1Char(' ')))
                      .arg(ShowTimeoutMs / 1000);
        return std::nullopt;
    }
    return Launch {milliseconds, peakMebibytes};
}
