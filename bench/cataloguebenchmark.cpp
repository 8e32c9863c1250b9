#include "cataloguebenchmark.h"

#include "benchmarkdata.h"
#include "benchmarktable.h"

#include "dialogs/countrydialog.h"
#include "engine/engineclient.h"
#include "regdata/datafolder.h"
#include "regdata/xmlfile.h"
#include "wizard/firstregpage.h"

#include <QApplication>
#include <QDateTime>
#include <QDomDocument>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>

#include <memory>

namespace {

QByteArray catalogueBytes(const QString &folder)
{
    QFile file(folder + QStringLiteral("RegData/RegMaster.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Gives the catalogue in folder another modification time, an hour or more
// ago, so that the program reads it afresh at its next use and keeps what
// it read.
void changeCatalogue(const QString &folder)
{
    static int changes = 0;
    QFile file(folder + QStringLiteral("RegData/RegMaster.xml"));
    file.open(QIODevice::ReadOnly);
    file.setFileTime(
        QDateTime::currentDateTime().addSecs(-3600 - ++changes), QFileDevice::FileModificationTime);
}

// Opening ends when the dialog has painted itself; closing it is not part
// of it. A changed catalogue is read afresh.
double openDialog(const QString &folder, bool changed)
{
    if (changed)
        changeCatalogue(folder);
    DataFolder::setPath(folder);
    std::unique_ptr<CountryDialog> dialog;
    const double milliseconds = BenchmarkTable::milliseconds([&dialog] {
        dialog = std::make_unique<CountryDialog>();
        dialog->show();
        QCoreApplication::processEvents();
    });
    dialog.reset();
    QCoreApplication::processEvents();
    return milliseconds;
}

// A country chosen, and its regions put into the region menu, as when the
// menu opens; ends when the page has painted the new captions.
double chooseCountry(FirstRegPage &page)
{
    QMenu *regions = page.findChild<QPushButton *>(QStringLiteral("RegionButton"))->menu();
    return BenchmarkTable::milliseconds([&page, regions] {
        page.setCountry(QStringLiteral("United States"));
        emit regions->aboutToShow();
        QCoreApplication::processEvents();
    });
}

double bareParse(const QByteArray &bytes)
{
    return BenchmarkTable::milliseconds([&bytes] {
        QDomDocument document;
        document.setContent(bytes);
    });
}

} // namespace

CatalogueBenchmark::CatalogueBenchmark(const BenchmarkData &data)
    : m_data(data)
{ }

void CatalogueBenchmark::run(BenchmarkTable &table, int repetitions)
{
    const QString folder = m_data.dataFolder();
    const QByteArray bytes = catalogueBytes(folder);
    table.addTimeRatio(QStringLiteral("open the country dialog, catalogue changed"),
        BenchmarkTable::alternate(
            repetitions, [&] { return openDialog(folder, true); },
            [&] { return bareParse(bytes); }),
        1.3);
    table.addTimeRatio(QStringLiteral("open the country dialog again"),
        BenchmarkTable::alternate(
            repetitions, [&] { return openDialog(folder, false); },
            [&] { return bareParse(bytes); }),
        0.3);

    // In German, as a running KVB opens it: the catalogue read once the
    // window showed, the country names translated and sorted as German
    // sorts them.
    QTranslator german;
    if (german.load(QStringLiteral(":/i18n/kvb_de.qm")))
        QCoreApplication::installTranslator(&german);
    QLocale::setDefault(QLocale(QLocale::German));
    table.addTimeRatio(QStringLiteral("open the country dialog in German"),
        BenchmarkTable::alternate(
            repetitions, [&] { return openDialog(folder, false); },
            [&] { return bareParse(bytes); }),
        1.3);
    QCoreApplication::removeTranslator(&german);
    QLocale::setDefault(QLocale::c());

    DataFolder::setPath(folder);
    FirstRegPage page(FirstPageRecord(), &EngineClient::instance());
    page.show();
    QCoreApplication::processEvents();
    table.addTimeRatio(QStringLiteral("choose a country, region menu filled"),
        BenchmarkTable::alternate(
            repetitions, [&] { return chooseCountry(page); }, [&] { return bareParse(bytes); }),
        0.3);
}

void CatalogueBenchmark::runGrowth(BenchmarkTable &table, int repetitions)
{
    const QString sample = m_data.dataFolder();
    const auto sampleSize = double(BenchmarkData::catalogueSize(sample));
    for (const int times : {10, 100}) {
        const QString scaled = m_data.scaledDataFolder(times);
        const BenchmarkTable::Medians medians = BenchmarkTable::alternate(
            repetitions, [&] { return openDialog(scaled, true); },
            [&] { return openDialog(sample, true); });
        const QString operation
            = QStringLiteral("open the country dialog, catalogue %1x the sample").arg(times);
        const double inputRatio = double(BenchmarkData::catalogueSize(scaled)) / sampleSize;
        if (BenchmarkData::catalogueSize(scaled) > XmlFile::MaxFileSize) {
            table.addNote(operation, medians, BenchmarkTable::Unit::Milliseconds,
                QStringLiteral("over the size limit: rejected unread"));
            continue;
        }
        table.addGrowth(operation, medians, inputRatio, 1.2);
        const QByteArray bytes = catalogueBytes(scaled);
        table.addTimeRatio(
            QStringLiteral("open the country dialog again, catalogue %1x the sample").arg(times),
            BenchmarkTable::alternate(
                repetitions, [&] { return openDialog(scaled, false); },
                [&] { return bareParse(bytes); }),
            0.3);
    }
}
