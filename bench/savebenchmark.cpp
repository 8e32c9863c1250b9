#include "savebenchmark.h"

#include "benchmarkdata.h"
#include "benchmarktable.h"

#include "regdata/datafolder.h"
#include "regdata/savereginfo.h"

#include <QFile>
#include <QSaveFile>

SaveBenchmark::SaveBenchmark(const BenchmarkData &data)
    : m_data(data)
{ }

void SaveBenchmark::run(BenchmarkTable &table, int repetitions)
{
    DataFolder::setPath(m_data.dataFolder());
    const RegistrationRecord record = BenchmarkData::sampleRecord();
    const SaveRegInfo saver(&record.firstPage, &record.secondPage);
    saver.save();
    QFile saved(DataFolder::filePath(QLatin1String(RegistrationRecord::fileName)));
    saved.open(QIODevice::ReadOnly);
    const QByteArray bytes = saved.readAll();
    const QString bareFileName = DataFolder::filePath(QStringLiteral("RegData/Bare.xml"));

    table.addTimeRatio(QStringLiteral("save RegInfo.xml"),
        BenchmarkTable::alternate(
            repetitions,
            [&saver] { return BenchmarkTable::milliseconds([&saver] { saver.save(); }); },
            [&] {
                return BenchmarkTable::milliseconds([&] {
                    QSaveFile file(bareFileName);
                    file.open(QIODevice::WriteOnly);
                    file.write(bytes);
                    file.commit();
                });
            }),
        1.2);
}
