#ifndef KVB_HOSTILEBENCHMARK_H
#define KVB_HOSTILEBENCHMARK_H

#include "benchmarktable.h"

#include <QByteArray>
#include <QString>

#include <optional>

class HostileData;
class MainWindow;
class ProgramLauncher;

// The program with each hostile data file: started under the X server as
// the start-up benchmark starts it, for the time to its window and its
// peak memory; and its window made in this process, offscreen, where each
// control that reads a data file is opened as the user opens it, each
// right after the files changed, and the window closed.
class HostileBenchmark
{
public:
    // program is the program that the launcher starts, and the argument
    // entry 0 of the window made here.
    HostileBenchmark(const HostileData &data, ProgramLauncher &launcher, const QByteArray &program);

    // Adds a row for each file; false when the program could not be
    // started, showed no window, or a control could not be opened, which
    // errorString() then tells.
    bool run(BenchmarkTable &table, int repetitions);
    QString errorString() const { return m_error; }

private:
    struct Controls
    {
        double countryDialogMs;
        double regionMenuMs;
        double resellerDialogMs;
        double toolTipMs;
        double closeMs;
    };

    std::optional<BenchmarkTable::HostileFigures> measure(
        const QString &commonFilesFolder, int repetitions);
    std::optional<Controls> useWindow(const QString &commonFilesFolder);
    bool fail(const QString &message);

    const HostileData &m_data;
    ProgramLauncher &m_launcher;
    QByteArray m_program;
    QString m_error;
};

#endif
