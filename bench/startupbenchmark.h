#ifndef KVB_STARTUPBENCHMARK_H
#define KVB_STARTUPBENCHMARK_H

#include "windowwatcher.h"

#include <QByteArrayList>
#include <QString>

#include <optional>

class BenchmarkTable;

// Starts the program, with the sample data, a saved registration and the
// stand-in engine, and a bare program that shows a main window of the same
// size with one tab, in turn under an X server. Each is timed from the
// moment it is started to its window shown, as the X server sees it, and
// then ended, and its peak resident memory read from the system.
//
// With a saved registration the program must read the country catalogue
// before it shows its window, so the bare program is also run after a bare
// parse of the catalogue: the least that such a start-up can cost.
class StartupBenchmark
{
public:
    StartupBenchmark(const QByteArray &displayName, const QString &program,
        const QString &bareProgram, const QString &commonFilesFolder, const QString &catalogue);

    // Adds the rows of start-up time and memory; false when a program could
    // not be started or showed no window, which errorString() then tells.
    bool run(BenchmarkTable &table, int repetitions);
    QString errorString() const { return m_error; }

private:
    struct Launch
    {
        double milliseconds;
        double peakMebibytes;
    };

    std::optional<Launch> launch(const QStringList &command);

    QByteArray m_displayName;
    QString m_program;
    QString m_bareProgram;
    QString m_catalogue;
    QByteArrayList m_environment;
    WindowWatcher m_watcher;
    QString m_error;
};

#endif
