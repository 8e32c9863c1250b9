#ifndef KVB_HOSTILEDATA_H
#define KVB_HOSTILEDATA_H

#include <QList>
#include <QString>
#include <QTemporaryDir>

class BenchmarkData;
struct RegistrationRecord;

// Data folders in a temporary folder, each with one data file made to cost
// a reader time and memory while staying within every limit that a file can
// be checked against before it is parsed: a size under the limit, and
// markup that only a decoder or a document type declaration reveals. The
// folder's other files are copies of the sample's, with its saved
// registration where the hostile file is not the record.
class HostileData
{
public:
    struct Folder
    {
        QString description; // what the file is, with its size
        QString commonFilesFolder; // as the program takes it from the environment
    };

    explicit HostileData(const BenchmarkData &sample);

    // Whether every file could be written; otherwise errorString() says
    // which could not.
    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    QList<Folder> folders() const { return m_folders; }

    // Gives every file of the data folder of commonFilesFolder a new
    // modification time an hour or more ago, so that the program reads each
    // afresh at its next use.
    static void changeFiles(const QString &commonFilesFolder);

private:
    // Adds a folder whose file fileName ("RegData/RegInfo.xml", say) holds
    // content.
    void add(const QString &description, const QString &fileName, const QByteArray &content);
    // Adds a folder whose saved registration is record, as the program
    // saves it.
    void addRecord(const QString &description, const RegistrationRecord &record);
    // A new data folder with copies of the sample's files, or an empty text.
    QString newDataFolder();
    void finish(const QString &description, const QString &dataFolder, const QString &fileName);

    QString m_sampleFolder;
    QTemporaryDir m_root;
    QList<Folder> m_folders;
    QString m_error;
};

#endif
