#ifndef KVB_FUZZ_DATAFILE_H
#define KVB_FUZZ_DATAFILE_H

#include "regdata/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// Puts a fuzzing input where the readers look for the data file called name, in a data folder
// that the process makes for itself; returns the file's path.
inline QString writeDataFile(const char *name, const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    DataFolder::setPath(folder.path() + QLatin1Char('/'));
    QDir(folder.path()).mkdir(QStringLiteral("RegData"));
    QFile file(folder.filePath(QStringLiteral("RegData/") + QLatin1String(name)));
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("Cannot write the data file %s", name);
    return file.fileName();
}

#endif
