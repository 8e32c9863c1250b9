#include "datafolder.h"

namespace {

QString &storedPath()
{
    static QString path;
    return path;
}

} // namespace

void DataFolder::setPath(const QString &path)
{
    storedPath() = path;
}

QString DataFolder::path()
{
    return storedPath();
}

QString DataFolder::filePath(const QString &relativeName)
{
    return storedPath() + relativeName;
}
