#include "benchmarkdata.h"

#include "regdata/datafolder.h"
#include "regdata/savereginfo.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString RegData = QStringLiteral("RegData/");
const QString Catalogue = QStringLiteral("RegData/RegMaster.xml");
const QString Resellers = QStringLiteral("RegData/RegReseller.xml");

QString dataFolderOf(const QString &commonFilesFolder)
{
    return commonFilesFolder + QStringLiteral("/Tarn/CustomData/");
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

BenchmarkData::BenchmarkData(const QString &sampleDataFolder)
{
    if (!m_root.isValid())
        m_error = QStringLiteral("cannot make a temporary folder");
    else if (copySample(sampleDataFolder) && writeScaledCatalogue(10) && writeScaledCatalogue(100))
        writeSavedRecord();
}

QString BenchmarkData::commonFilesFolder() const
{
    return m_root.filePath(QStringLiteral("sample"));
}

QString BenchmarkData::dataFolder() const
{
    return dataFolderOf(commonFilesFolder());
}

QString BenchmarkData::scaledDataFolder(int times) const
{
    return dataFolderOf(m_root.filePath(QStringLiteral("x%1").arg(times)));
}

qint64 BenchmarkData::catalogueSize(const QString &folder)
{
    return QFile(folder + Catalogue).size();
}

RegistrationRecord BenchmarkData::sampleRecord()
{
    RegistrationRecord record;
    FirstPageRecord &first = record.firstPage;
    first.firstName = QStringLiteral("Dana");
    first.lastName = QStringLiteral("Whitfield");
    first.title = QStringLiteral("Editor");
    first.company = QStringLiteral("Larkspur Films");
    first.department = QStringLiteral("Post-production");
    first.emailAddress = QStringLiteral("dana@larkspur.example");
    first.phoneNumber = QStringLiteral("212 555 0147");
    first.streetAddress1 = QStringLiteral("350 5th Ave");
    first.city = QStringLiteral("New York");
    first.country = QStringLiteral("United States");
    first.state = QStringLiteral("New York");
    first.zip = QStringLiteral("10118");
    SecondPageRecord &second = record.secondPage;
    second.purchaseMonth = QStringLiteral("March");
    second.purchaseDay = QStringLiteral("14");
    second.purchaseYear = QStringLiteral("2023");
    second.purchaseLocation = QStringLiteral("Tarn Web Store");
    second.buyerDescription = QStringLiteral("Professional Editor");
    second.buyerBusiness = QStringLiteral("Independent / Freelance");
    second.buyerWorkType = QStringLiteral("Documentary");
    second.ownTarnSystems = QStringLiteral("0");
    second.tarnSpecial = QStringLiteral("1");
    second.tarnPartnerSpecial = QStringLiteral("0");
    return record;
}

bool BenchmarkData::copySample(const QString &sampleDataFolder)
{
    for (const QString &name : {Catalogue, Resellers}) {
        QDir().mkpath(dataFolder() + RegData);
        if (!QFile::copy(sampleDataFolder + name, dataFolder() + name)) {
            m_error = QStringLiteral("cannot copy ") + sampleDataFolder + name;
            return false;
        }
    }
    return true;
}

// Each copy of the countries gets its own names, so that the country list
// grows with the file.
bool BenchmarkData::writeScaledCatalogue(int times)
{
    const QByteArray sample = contents(dataFolder() + Catalogue);
    const qsizetype bodyStart = sample.indexOf("<Country");
    const QByteArray countryEnd("</Country>");
    const qsizetype bodyEnd = sample.lastIndexOf(countryEnd) + countryEnd.size();
    if (bodyStart < 0 || bodyEnd < bodyStart) {
        m_error = QStringLiteral("the sample catalogue lists no countries");
        return false;
    }
    const QString body = QString::fromUtf8(sample.mid(bodyStart, bodyEnd - bodyStart));
    const QRegularExpression countryName(QStringLiteral("(<Country LongName=\"[^\"]*)\""));

    QByteArray scaled = sample.left(bodyStart);
    for (int copy = 1; copy <= times; ++copy) {
        scaled += copy == 1
            ? body.toUtf8()
            : QString(body).replace(countryName, QStringLiteral("\\1 %1\"").arg(copy)).toUtf8();
    }
    scaled += sample.mid(bodyEnd);

    const QString folder = scaledDataFolder(times);
    if (!QDir().mkpath(folder + RegData) || !write(folder + Catalogue, scaled)) {
        m_error = QStringLiteral("cannot write ") + folder + Catalogue;
        return false;
    }
    return true;
}

bool BenchmarkData::saveRecord(const QString &dataFolder, const RegistrationRecord &record)
{
    const QString previousFolder = DataFolder::path();
    DataFolder::setPath(dataFolder);
    const bool saved = SaveRegInfo(&record.firstPage, &record.secondPage).save();
    DataFolder::setPath(previousFolder);
    return saved;
}

bool BenchmarkData::writeSavedRecord()
{
    const bool saved = saveRecord(dataFolder(), sampleRecord());
    if (!saved)
        m_error = QStringLiteral("cannot save a registration in ") + dataFolder();
    return saved;
}
