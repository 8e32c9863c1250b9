#ifndef KVB_FUZZ_DATAFILE_H
#define KVB_FUZZ_DATAFILE_H

#include "regdata/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// Puts a fuzzing input where the readers look for the data file called
// name, in a data folder that the process makes for itself.
inline void writeDataFile(const char *name, const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    static const bool madeFolder = [] {
        DataFolder::setPath(folder.filePath(QStringLiteral("Tarn/CustomData/")));
        return QDir().mkpath(DataFolder::filePath(QStringLiteral("RegData")));
    }();
    QFile file(DataFolder::filePath(QStringLiteral("RegData/") + QLatin1String(name)));
    if (!madeFolder || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("Cannot write the data file %s", name);
}

#endif
