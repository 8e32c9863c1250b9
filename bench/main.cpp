// Benchmarks of KVB, built and run by bench/run:
//
//   kvb_bench [repetitions]   measures, and exits with 0 when every goal is
//                             met and 1 when one is missed
//   kvb_bench --check         runs every benchmark once, with the least
//                             repetitions, to show that each still runs;
//                             its figures are printed but not judged, and
//                             it exits with 0
//
// Either exits with 2 when something cannot be measured. The start-up and
// hostile-file benchmarks start programs on the X display named by
// KVB_BENCH_DISPLAY; everything else runs in this process, offscreen.

#include "benchmarkdata.h"
#include "benchmarktable.h"
#include "cataloguebenchmark.h"
#include "hostilebenchmark.h"
#include "hostiledata.h"
#include "leakbenchmark.h"
#include "programlauncher.h"
#include "requestbenchmark.h"
#include "savebenchmark.h"
#include "startupbenchmark.h"

#include <QApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

// How often each kind of benchmark repeats what it measures.
struct Counts
{
    int repetitions; // quick operations in this process
    int startup; // starting a program
    int growth; // reading catalogues many times the sample
    int hostile; // starting the program and using its window with a hostile file
    int leakRounds;
    int warmUpRounds;
};

// Starting a program and reading a large catalogue take long enough to need
// fewer runs for a stable median.
Counts measuring(int repetitions)
{
    return Counts {repetitions, std::max(5, repetitions / 3), std::max(5, repetitions / 4),
        std::max(3, repetitions / 20), 200, 3};
}

Counts checking()
{
    return Counts {1, 1, 1, 1, 0, 0};
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window with a minimum size.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        defaultHandler(type, context, message);
}

void progress(const char *what)
{
    std::fprintf(stderr, "kvb_bench: %s\n", what);
}

int failure(const QString &message)
{
    std::fprintf(stderr, "kvb_bench: %s\n", qPrintable(message));
    return 2;
}

// Runs every benchmark into table; an error message when one cannot
// measure.
QString runAll(BenchmarkTable &table, const Counts &counts, const QByteArray &display)
{
    const QByteArray program = KVB_BIN_DIR "/kvb";
    const BenchmarkData data(QStringLiteral(KVB_DATA_FOLDER));
    if (!data.isValid())
        return data.errorString();
    ProgramLauncher launcher(display);

    progress("start-up");
    StartupBenchmark startup(launcher, QString::fromLocal8Bit(program),
        QStringLiteral(KVB_BARE_WINDOW), data.commonFilesFolder(),
        data.dataFolder() + QStringLiteral("RegData/RegMaster.xml"));
    if (!startup.run(table, counts.startup))
        return startup.errorString();
    progress("country catalogue");
    CatalogueBenchmark catalogue(data);
    catalogue.run(table, counts.repetitions);
    progress("saving");
    SaveBenchmark(data).run(table, counts.repetitions);
    progress("address request");
    RequestBenchmark request(KVB_BIN_DIR "/libQuill.so");
    if (!request.run(table, counts.repetitions))
        return request.errorString();
    progress("growth with the catalogue's size");
    catalogue.runGrowth(table, counts.growth);
    progress("memory over many rounds");
    LeakBenchmark leaks(data, program);
    if (!leaks.run(table, counts.leakRounds))
        return leaks.errorString();

    progress("hostile data files");
    const HostileData hostileData(data);
    if (!hostileData.isValid())
        return hostileData.errorString();
    HostileBenchmark hostile(hostileData, launcher, program);
    if (!hostile.run(table, counts.hostile))
        return hostile.errorString();
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    // The display is for the programs that the benchmarks start.
    const QByteArray display = qgetenv("KVB_BENCH_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    defaultHandler = qInstallMessageHandler(dropSizeHintWarnings);
    const QByteArray argument = argc > 1 ? QByteArray(argv[1]) : QByteArray("101");
    const bool check = argument == "--check";
    bool isNumber = false;
    const int repetitions = argument.toInt(&isNumber);
    if (!check && (!isNumber || repetitions < 1))
        return failure(QStringLiteral("usage: kvb_bench [repetitions | --check]"));
    const Counts counts = check ? checking() : measuring(repetitions);
    BenchmarkTable::setWarmUpRounds(counts.warmUpRounds);

    if (display.isEmpty())
        return failure(
            QStringLiteral("KVB_BENCH_DISPLAY names no X display (bench/run starts one)"));
    BenchmarkTable table;
    const QString error = runAll(table, counts, display);
    if (!error.isEmpty())
        return failure(error);

    QTextStream out(stdout);
    const int missed = table.print(out);
    return check || missed == 0 ? 0 : 1;
}
