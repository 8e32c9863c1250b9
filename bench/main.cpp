// Benchmarks of KVB, built and run by bench/run in a Release build:
//
//   kvb_bench [repetitions]
//
// The start-up benchmark starts programs on the X display named by
// KVB_BENCH_DISPLAY; everything else runs in this process, offscreen.

#include "benchmarkdata.h"
#include "benchmarktable.h"
#include "cataloguebenchmark.h"
#include "leakbenchmark.h"
#include "requestbenchmark.h"
#include "savebenchmark.h"
#include "startupbenchmark.h"

#include <QApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    // The display is for the programs that the start-up benchmark starts.
    const QByteArray display = qgetenv("KVB_BENCH_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    defaultHandler = qInstallMessageHandler(dropSizeHintWarnings);
    const int repetitions = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 101;
    // Starting a program and reading a catalogue ten times the sample take
    // long enough to need fewer runs for a stable median.
    const int startupRepetitions = std::max(5, repetitions / 3);
    const int growthRepetitions = std::max(5, repetitions / 4);
    const QByteArray program = KVB_BIN_DIR "/kvb";

    if (display.isEmpty())
        return failure(
            QStringLiteral("KVB_BENCH_DISPLAY names no X display (bench/run starts one)"));
    const BenchmarkData data(QStringLiteral(KVB_DATA_FOLDER));
    if (!data.isValid())
        return failure(data.errorString());

    BenchmarkTable table;
    progress("start-up");
    StartupBenchmark startup(display, QString::fromLocal8Bit(program),
        QStringLiteral(KVB_BARE_WINDOW), data.commonFilesFolder(),
        data.dataFolder() + QStringLiteral("RegData/RegMaster.xml"));
    if (!startup.run(table, startupRepetitions))
        return failure(startup.errorString());

    progress("country catalogue");
    CatalogueBenchmark catalogue(data);
    catalogue.run(table, repetitions);
    progress("saving");
    SaveBenchmark(data).run(table, repetitions);
    progress("address request");
    RequestBenchmark request(KVB_BIN_DIR "/libQuill.so");
    if (!request.run(table, repetitions))
        return failure(request.errorString());
    progress("growth with the catalogue's size");
    catalogue.runGrowth(table, growthRepetitions);
    progress("memory over many rounds");
    LeakBenchmark leaks(data, program);
    if (!leaks.run(table))
        return failure(leaks.errorString());

    QTextStream out(stdout);
    return table.print(out) == 0 ? 0 : 1;
}
