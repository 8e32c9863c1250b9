#ifndef KVB_DATAFOLDER_H
#define KVB_DATAFOLDER_H

#include <QString>
#include <QStringList>

// The process-wide data folders, each a common files folder followed by the
// maker's "Tarn/CustomData" suffix: the one that holds the record, and the
// ones searched for the catalogues. They are set once at start-up, before
// anything reads a data file.
class DataFolder
{
public:
    // The folders this system names: the first common files value that is
    // set (see Platform::commonFilesValue), or else the common files folder
    // of the presets (see Presets::commonFilesFolder), holds every file;
    // without one, the fallback folders (see Platform::fallbackDataFolders).
    static void useSystemFolders();

    // One folder for every data file, as a configured common files folder
    // gives it. KVB never makes it.
    static void setPath(const QString &path);
    // The record's folder (empty when there is none), whether a save makes it
    // when it is missing, and the folders searched for each catalogue, in
    // order.
    static void setFolders(
        const QString &recordPath, bool madeWhenMissing, const QStringList &cataloguePaths);

    // The record's folder.
    static QString path();

    // A file of the record's folder: the folder followed directly by
    // relativeName, such as "RegData/RegInfo.xml"; empty when there is no
    // record folder.
    static QString filePath(const QString &relativeName);

    // A catalogue, such as "RegData/RegMaster.xml", in the first of the
    // catalogue folders that has it, looked for afresh at each call; in the
    // first of them when none has it.
    static QString catalogueFilePath(const QString &relativeName);

    // Makes the missing folders on the way to a file of the record's folder,
    // each readable by its owner only, when the record's folder is one that a
    // save makes. A folder that cannot be made leaves the save to fail.
    static void makeFoldersFor(const QString &relativeName);
};

#endif
