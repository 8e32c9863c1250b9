#include "savebenchmark.h"

#include "benchmarkdata.h"
#include "benchmarktable.h"

#include "regdata/datafolder.h"
#include "regdata/savereginfo.h"

#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

void durableWrite(const QByteArray &folder, const QByteArray &bytes)
{
    const QByteArray temporary = folder + "/Bare.xml.new";
    const int file = open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (write(file, bytes.constData(), std::size_t(bytes.size())) == bytes.size())
        fsync(file);
    close(file);
    std::rename(temporary.constData(), (folder + "/Bare.xml").constData());
    const int directory = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    fsync(directory);
    close(directory);
}

} // namespace

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
    const QByteArray folder = QFile::encodeName(DataFolder::filePath(QStringLiteral("RegData")));

    table.addTimeRatio(QStringLiteral("save RegInfo.xml"),
        BenchmarkTable::alternate(
            repetitions,
            [&saver] { return BenchmarkTable::milliseconds([&saver] { saver.save(); }); },
            [&] { return BenchmarkTable::milliseconds([&] { durableWrite(folder, bytes); }); }),
        1.2);
}
