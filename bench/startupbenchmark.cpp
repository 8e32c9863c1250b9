#include "startupbenchmark.h"

#include "benchmarktable.h"
#include "programlauncher.h"

StartupBenchmark::StartupBenchmark(ProgramLauncher &launcher, const QString &program,
    const QString &bareProgram, const QString &commonFilesFolder, const QString &catalogue)
    : m_launcher(launcher)
    , m_program(program)
    , m_bareProgram(bareProgram)
    , m_commonFilesFolder(commonFilesFolder)
    , m_catalogue(catalogue)
{ }

bool StartupBenchmark::run(BenchmarkTable &table, int repetitions)
{
    if (!m_launcher.isReady())
        return false;
    // The program in English, the bare window, the bare window after a bare
    // parse, and the program in German.
    const QList<QStringList> commands {
        {m_program}, {m_bareProgram}, {m_bareProgram, m_catalogue}, {m_program}};
    const QList<QByteArrayList> environments {{"LANGUAGE=C"}, {}, {}, {"LANGUAGE=de"}};
    QList<QList<double>> memory(commands.size());
    bool failed = false;
    QList<std::function<double()>> runs;
    for (qsizetype index = 0; index < commands.size(); ++index) {
        runs.append([this, &commands, &environments, &memory, &failed, index] {
            const std::optional<ProgramLauncher::Launch> launched = failed
                ? std::nullopt
                : m_launcher.launch(
                    commands.at(index), m_commonFilesFolder, environments.at(index));
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
    table.addTimeRatio(QStringLiteral("start-up in German, to the window shown"),
        {times.at(3), times.at(1)}, 1.25);
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

QString StartupBenchmark::errorString() const
{
    return m_launcher.errorString();
}
