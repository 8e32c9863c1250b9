#include "startupbenchmark.h"

#include "benchmarktable.h"

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

} // namespace

StartupBenchmark::StartupBenchmark(const QByteArray &displayName, const QString &program,
    const QString &bareProgram, const QString &commonFilesFolder, const QString &catalogue)
    : m_displayName(displayName)
    , m_program(program)
    , m_bareProgram(bareProgram)
    , m_catalogue(catalogue)
    , m_watcher(displayName)
{
    // Both programs run on the X server; the program reads the benchmark's
    // data folder and sends its registrations nowhere.
    for (char **variable = environ; *variable; ++variable) {
        const QByteArray entry(*variable);
        if (!isReplaced(entry.left(entry.indexOf('='))))
            m_environment.append(entry);
    }
    m_environment << "QT_QPA_PLATFORM=xcb"
                  << "DISPLAY=" + displayName
                  << "KVB_COMMON_FILES_DIR=" + commonFilesFolder.toLocal8Bit()
                  << "QUILL_OUTBOX=/dev/null";
}

bool StartupBenchmark::run(BenchmarkTable &table, int repetitions)
{
    if (!m_watcher.isConnected()) {
        m_error = QStringLiteral("cannot watch the X display %1 (it needs the damage extension)")
                      .arg(QString::fromLocal8Bit(m_displayName));
        return false;
    }
    const QList<QStringList> commands {{m_program}, {m_bareProgram}, {m_bareProgram, m_catalogue}};
    QList<QList<double>> memory(commands.size());
    bool failed = false;
    QList<std::function<double()>> runs;
    for (qsizetype index = 0; index < commands.size(); ++index) {
        runs.append([this, &commands, &memory, &failed, index] {
            const std::optional<Launch> launched
                = failed ? std::nullopt : launch(commands.at(index));
            failed = !launched;
            if (failed)
                return 0.0;
            memory[index].append(launched->peakMebibytes);
            return launched->milliseconds;
        });
    }
    const QList<double> times = BenchmarkTable::rotate(repetitions, runs);
    if (failed)
        return false;
    QList<double> memoryMedians;
    for (const QList<double> &measured : std::as_const(memory))
        memoryMedians.append(BenchmarkTable::median(measured));

    table.addTimeRatio(
        QStringLiteral("start-up, to the window shown"), {times.at(0), times.at(1)}, 1.25);
    table.addNote(QStringLiteral("start-up of the bare window after a bare parse"),
        {times.at(2), times.at(1)}, BenchmarkTable::Unit::Milliseconds,
        QStringLiteral("the least with a saved record"));
    table.addMemory(
        QStringLiteral("peak memory at start-up"), {memoryMedians.at(0), memoryMedians.at(1)}, 15);
    table.addNote(QStringLiteral("peak memory of the bare window after a bare parse"),
        {memoryMedians.at(2), memoryMedians.at(1)}, BenchmarkTable::Unit::Mebibytes,
        QStringLiteral("the least with a saved record"));
    return true;
}

std::optional<StartupBenchmark::Launch> StartupBenchmark::launch(const QStringList &command)
{
    QByteArrayList localCommand;
    for (const QString &part : command)
        localCommand.append(part.toLocal8Bit());
    std::vector<char *> arguments;
    for (const QByteArray &part : std::as_const(localCommand))
        arguments.push_back(const_cast<char *>(part.constData()));
    arguments.push_back(nullptr);
    std::vector<char *> environment;
    for (const QByteArray &entry : std::as_const(m_environment))
        environment.push_back(const_cast<char *>(entry.constData()));
    environment.push_back(nullptr);

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
    const double milliseconds = timer.nsecsElapsed() / 1e6;

    const double peakMebibytes = peakResidentMebibytes(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (!shown || peakMebibytes < 0) {
        m_error = command.join(QLatin1Char(' ')) + QStringLiteral(" showed no window");
        return std::nullopt;
    }
    return Launch {milliseconds, peakMebibytes};
}
