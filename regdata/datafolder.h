#ifndef KVB_DATAFOLDER_H
#define KVB_DATAFOLDER_H

#include <QString>

// The process-wide data folder: the common files folder followed by the
// maker's "Tarn/CustomData" suffix. The main window sets it once at start-up,
// before anything reads a data file.
class DataFolder
{
public:
    static void setPath(const QString &path);
    static QString path();

    // A data file's name: the folder followed directly by relativeName,
    // such as "RegData/RegInfo.xml".
    static QString filePath(const QString &relativeName);
};

#endif
