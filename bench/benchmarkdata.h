#ifndef KVB_BENCHMARKDATA_H
#define KVB_BENCHMARKDATA_H

#include "regdata/registrationrecord.h"

#include <QString>
#include <QTemporaryDir>

// The data folders that the benchmarks read, in a temporary folder: a copy
// of the sample catalogues with a saved registration, and country
// catalogues many times the sample's size, made of renamed copies of its
// countries.
class BenchmarkData
{
public:
    // sampleDataFolder is the data folder of the build tree, ending with a
    // separator.
    explicit BenchmarkData(const QString &sampleDataFolder);

    // Whether every file could be written; otherwise errorString() says
    // which could not.
    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    // The common files folder of the sample copy, as the program takes it
    // from the environment.
    QString commonFilesFolder() const;
    // The data folder of the sample copy, ending with a separator.
    QString dataFolder() const;
    // The data folder of a country catalogue times times the sample.
    QString scaledDataFolder(int times) const;
    // The size of the country catalogue in the data folder folder, in bytes.
    static qint64 catalogueSize(const QString &folder);

    // A complete registration, as a user in the United States saves it.
    static RegistrationRecord sampleRecord();
    // Saves record as the program does, into the data folder dataFolder.
    static bool saveRecord(const QString &dataFolder, const RegistrationRecord &record);

private:
    bool copySample(const QString &sampleDataFolder);
    bool writeScaledCatalogue(int times);
    bool writeSavedRecord();

    QTemporaryDir m_root;
    QString m_error;
};

#endif
