// Benchmarks of KVB, built and run by bench/run in a Release build:
//
//   kvb_bench [repetitions]

#include "benchmarktable.h"

#include "regdata/countrydialog.h"
#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QMenu>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window with a minimum size.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        defaultHandler(type, context, message);
}

// The full sample catalogue is read at every opening of the country dialog
// and at every country choice, so both should cost little more than parsing
// the file.
bool compareCatalogue(BenchmarkTable &table, int repetitions)
{
    QFile file(DataFolder::filePath(QStringLiteral("RegData/RegMaster.xml")));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kvb_bench: cannot read %s\n", qPrintable(file.fileName()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const auto bareParse = [&bytes] {
        QDomDocument document;
        document.setContent(bytes);
    };

    // Opening ends when the dialog has painted itself; closing it later is
    // not part of it.
    std::unique_ptr<CountryDialog> dialog;
    table.compare(
        QStringLiteral("open the country dialog"), 1.3, repetitions,
        [&dialog] {
            dialog = std::make_unique<CountryDialog>();
            dialog->show();
            QCoreApplication::processEvents();
        },
        bareParse,
        [&dialog] {
            dialog.reset();
            QCoreApplication::processEvents();
        });

    // What the contact page does when a country is chosen: a fresh
    // catalogue, and a menu of the country's regions.
    table.compare(
        QStringLiteral("choose a country"), 1.3, repetitions,
        [] {
            const XMLRegStruct catalogue;
            QMenu menu;
            const QString country = QStringLiteral("United States");
            for (const RegionEntry *region : catalogue.regions()) {
                if (region->country->longName == country)
                    menu.addAction(region->longName);
            }
        },
        bareParse);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    defaultHandler = qInstallMessageHandler(dropSizeHintWarnings);
    const int repetitions = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 101;
    DataFolder::setPath(QStringLiteral(KVB_DATA_FOLDER));

    BenchmarkTable table;
    if (!compareCatalogue(table, repetitions))
        return 2;

    QTextStream out(stdout);
    return table.print(out) == 0 ? 0 : 1;
}
