#include "cataloguebenchmark.h"

#include "benchmarkdata.h"
#include "benchmarktable.h"

#include "dialogs/countrydialog.h"
#include "engine/engineclient.h"
#include "regdata/datafolder.h"
#include "regdata/xmlfile.h"
#include "wizard/firstregpage.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>

#include <memory>

namespace {

QByteArray catalogueBytes(const QString &folder)
{
    QFile file(folder + QStringLiteral("RegData/RegMaster.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opening ends when the dialog has painted itself; closing it is not part
// of it.
double openDialog(const QString &folder)
{
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

// Ends when the page has painted the new captions.
double chooseCountry(FirstRegPage &page)
{
    return BenchmarkTable::milliseconds([&page] {
        page.setCountry(QStringLiteral("United States"));
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
    table.addTimeRatio(QStringLiteral("open the country dialog"),
        BenchmarkTable::alternate(
            repetitions, [&] { return openDialog(folder); }, [&] { return bareParse(bytes); }),
        1.3);

    DataFolder::setPath(folder);
    FirstPageRecord record;
    FirstRegPage page(&record, &EngineClient::instance());
    page.show();
    QCoreApplication::processEvents();
    table.addTimeRatio(QStringLiteral("choose a country, region menu rebuilt"),
        BenchmarkTable::alternate(
            repetitions, [&] { return chooseCountry(page); }, [&] { return bareParse(bytes); }),
        1.3);
}

void CatalogueBenchmark::runGrowth(BenchmarkTable &table, int repetitions)
{
    const QString sample = m_data.dataFolder();
    const double sampleSize = BenchmarkData::catalogueSize(sample);
    for (const int times : {10, 100}) {
        const QString scaled = m_data.scaledDataFolder(times);
        const BenchmarkTable::Medians medians = BenchmarkTable::alternate(
            repetitions, [&] { return openDialog(scaled); }, [&] { return openDialog(sample); });
        const QString operation
            = QStringLiteral("open the country dialog, catalogue %1x the sample").arg(times);
        const double inputRatio = BenchmarkData::catalogueSize(scaled) / sampleSize;
        if (BenchmarkData::catalogueSize(scaled) <= XmlFile::MaxFileSize)
            table.addGrowth(operation, medians, inputRatio, 1.2);
        else
            table.addNote(operation, medians, BenchmarkTable::Unit::Milliseconds,
                QStringLiteral("over the size limit: rejected unread"));
    }
}
