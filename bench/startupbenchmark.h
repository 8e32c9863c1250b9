#ifndef KVB_STARTUPBENCHMARK_H
#define KVB_STARTUPBENCHMARK_H

#include <QString>

class BenchmarkTable;
class ProgramLauncher;

// Starts the program, with the sample data, a saved registration and the
// stand-in engine, and a bare program that shows a main window of the same
// size with one tab, in turn under an X server, each timed to its window
// shown and its peak resident memory read (see ProgramLauncher).
//
// A program that read the country catalogue before its window, for the
// saved country, could do no better than the bare program after a bare
// parse of the catalogue, which is run too.
class StartupBenchmark
{
public:
    StartupBenchmark(ProgramLauncher &launcher, const QString &program, const QString &bareProgram,
        const QString &commonFilesFolder, const QString &catalogue);

    // Adds the rows of start-up time and memory; false when a program could
    // not be started or showed no window, which errorString() then tells.
    bool run(BenchmarkTable &table, int repetitions);
    QString errorString() const;

private:
    ProgramLauncher &m_launcher;
    QString m_program;
    QString m_bareProgram;
    QString m_commonFilesFolder;
    QString m_catalogue;
};

#endif
