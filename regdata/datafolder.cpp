#include "datafolder.h"

#include "presets.h"

#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Folders
{
    QString record;
    bool madeWhenMissing = false;
    QStringList catalogues;
};

Folders &folders()
{
    static Folders stored;
    return stored;
}

} // namespace

void DataFolder::useSystemFolders()
{
    std::string commonFiles = Platform::commonFilesValue(Platform::CommonFilesValue::X86);
    if (commonFiles.empty())
        commonFiles = Platform::commonFilesValue(Platform::CommonFilesValue::Default);
    if (commonFiles.empty())
        commonFiles = Presets::commonFilesFolder().toStdString();
    if (!commonFiles.empty()) {
        setPath(QString::fromStdString(commonFiles + Platform::dataFolderSuffix()));
        return;
    }
    const Platform::FallbackDataFolders fallback = Platform::fallbackDataFolders();
    QStringList catalogues;
    for (const std::string &folder : fallback.catalogues)
        catalogues.append(QString::fromStdString(folder));
    setFolders(QString::fromStdString(fallback.record), fallback.recordFolderIsUsers, catalogues);
}

void DataFolder::setPath(const QString &path)
{
    folders() = {path, false, {path}};
}

void DataFolder::setFolders(
    const QString &recordPath, bool madeWhenMissing, const QStringList &cataloguePaths)
{
    folders() = {recordPath, madeWhenMissing, cataloguePaths};
}

QString DataFolder::path()
{
    return folders().record;
}

QString DataFolder::filePath(const QString &relativeName)
{
    // Without a folder the relative name alone would name a file in the
    // working folder.
    return folders().record.isEmpty() ? QString() : folders().record + relativeName;
}

QString DataFolder::catalogueFilePath(const QString &relativeName)
{
    const QStringList &searched = folders().catalogues;
    for (const QString &folder : searched) {
        QString path = folder + relativeName;
        if (QFileInfo(path).isFile())
            return path;
    }
    return searched.isEmpty() ? QString() : searched.first() + relativeName;
}

void DataFolder::makeFoldersFor(const QString &relativeName)
{
    const QString file = filePath(relativeName);
    if (!folders().madeWhenMissing || file.isEmpty())
        return;
    // From the top down, so that each folder is made with its owner-only
    // permissions rather than with the process's default.
    QStringList missing;
    for (QString folder = QFileInfo(file).absolutePath(); !QFileInfo::exists(folder);
         folder = QFileInfo(folder).absolutePath())
        missing.prepend(folder);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const QString &folder : std::as_const(missing)) {
        if (!QDir().mkdir(folder, ownerOnly))
            return;
    }
}
