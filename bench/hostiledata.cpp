#include "hostiledata.h"

#include "benchmarkdata.h"

#include "regdata/registrationrecord.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringEncoder>

namespace {

const QString Record = QLatin1String(RegistrationRecord::fileName);
const QString Catalogue = QStringLiteral("RegData/RegMaster.xml");
const QString Resellers = QStringLiteral("RegData/RegReseller.xml");

QString dataFolderOf(const QString &commonFilesFolder)
{
    return commonFilesFolder + QStringLiteral("/Tarn/CustomData/");
}

QString sizeText(qint64 bytes)
{
    return bytes < 1000000 ? QStringLiteral("%1 KB").arg(bytes / 1000)
                           : QStringLiteral("%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

// One entity of 4,000 characters, referenced 75,000 times inside the
// element opened by open: 300 million characters once expanded. The file
// declares UTF-7, in which "+ADwAIQ-" spells "<!", so that the bytes of
// "<!DOCTYPE" and "<!ENTITY" never occur in it.
QByteArray utf7EntityFile(const QByteArray &root, const QByteArray &open, const QByteArray &close)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n+ADwAIQ-DOCTYPE " + root
        + " [+ADwAIQ-ENTITY a \"" + QByteArray(4000, 'a') + "\">]>\n<" + root + '>' + open
        + QByteArray("&a;").repeated(75000) + close + "</" + root + ">\n";
}

// No entity: 32 attributes with a default value of 4,000 characters each,
// which a parser that honours the declaration adds to each of 9,000 empty
// elements.
QByteArray attributeDefaultsFile()
{
    QByteArray file = "<?xml version=\"1.0\"?>\n<!DOCTYPE Registration [<!ATTLIST e";
    for (int i = 0; i < 32; ++i)
        file += " a" + QByteArray::number(i) + " CDATA \"" + QByteArray(4000, 'd') + '"';
    return file + ">]>\n<Registration>" + QByteArray("<e/>").repeated(9000) + "</Registration>\n";
}

// One country with 149,000 regions, each a State and its LongName and
// nothing else: two nodes a region, just within the limit of nodes.
QByteArray regionsFile(const QByteArray &country)
{
    QByteArray file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RegMaster><Country LongName=\""
        + country + "\" ShortName=\"US\">";
    for (int i = 1; i <= 149000; ++i)
        file += "<State><LongName>Region " + QByteArray::number(i) + "</LongName></State>";
    return file + "</Country></RegMaster>\n";
}

// A record with one element of 100,000 distinct attributes beside it.
QString crowdedElementFile(const QString &encoding)
{
    QString file = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<Registration>"
                                  "<FirstRegPage><FirstName>Dana</FirstName></FirstRegPage><e")
                       .arg(encoding);
    for (int i = 0; i < 100000; ++i)
        file += QStringLiteral(" a%1='v'").arg(i);
    return file + QStringLiteral("/></Registration>\n");
}

QByteArray utf16(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

bool write(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

HostileData::HostileData(const BenchmarkData &sample)
    : m_sampleFolder(sample.dataFolder())
{
    if (!m_root.isValid()) {
        m_error = QStringLiteral("cannot make a temporary folder");
        return;
    }
    add(QStringLiteral("RegInfo.xml, UTF-7, an entity referenced 75,000 times"), Record,
        utf7EntityFile("Registration", "<FirstRegPage><FirstName>", "</FirstName></FirstRegPage>"));
    add(QStringLiteral("RegReseller.xml, UTF-7, an entity referenced 75,000 times"), Resellers,
        utf7EntityFile("RegReseller", "<Reseller ID=\"R001\">", "</Reseller>"));
    add(QStringLiteral("RegInfo.xml, 32 default attributes on 9,000 elements"), Record,
        attributeDefaultsFile());

    RegistrationRecord longCountry = BenchmarkData::sampleRecord();
    longCountry.firstPage.country = QString(8000000, QLatin1Char('A'));
    addRecord(QStringLiteral("RegInfo.xml, a Country of 8,000,000 characters"), longCountry);
    RegistrationRecord accents = BenchmarkData::sampleRecord();
    accents.firstPage.firstName = QLatin1Char('A') + QString(2700000, QChar(0x0301));
    addRecord(QStringLiteral("RegInfo.xml, a first name of 2,700,000 accents"), accents);

    // The saved record's country, whose region menu is the one that opens.
    add(QStringLiteral("RegMaster.xml, 149,000 regions of one country"), Catalogue,
        regionsFile(BenchmarkData::sampleRecord().firstPage.country.toUtf8()));
    add(QStringLiteral("RegInfo.xml, 100,000 attributes on one element, UTF-8"), Record,
        crowdedElementFile(QStringLiteral("UTF-8")).toUtf8());
    add(QStringLiteral("RegInfo.xml, 100,000 attributes on one element, UTF-16"), Record,
        utf16(crowdedElementFile(QStringLiteral("UTF-16"))));
}

void HostileData::changeFiles(const QString &commonFilesFolder)
{
    static int changes = 0;
    const QDateTime then = QDateTime::currentDateTime().addSecs(-3600 - ++changes);
    const QString regData = dataFolderOf(commonFilesFolder) + QStringLiteral("RegData/");
    for (const QString &name : QDir(regData).entryList(QDir::Files)) {
        QFile file(regData + name);
        if (file.open(QIODevice::ReadOnly))
            file.setFileTime(then, QFileDevice::FileModificationTime);
    }
}

void HostileData::add(
    const QString &description, const QString &fileName, const QByteArray &content)
{
    const QString folder = newDataFolder();
    if (folder.isEmpty())
        return;
    if (!write(folder + fileName, content))
        m_error = QStringLiteral("cannot write ") + folder + fileName;
    else
        finish(description, folder, fileName);
}

void HostileData::addRecord(const QString &description, const RegistrationRecord &record)
{
    const QString folder = newDataFolder();
    if (folder.isEmpty())
        return;
    if (!BenchmarkData::saveRecord(folder, record))
        m_error = QStringLiteral("cannot save a registration in ") + folder;
    else
        finish(description, folder, Record);
}

QString HostileData::newDataFolder()
{
    if (!isValid())
        return QString();
    QString folder = dataFolderOf(m_root.filePath(QString::number(m_folders.size())));
    QDir().mkpath(folder + QStringLiteral("RegData"));
    for (const QString &name : {Record, Catalogue, Resellers}) {
        if (!QFile::copy(m_sampleFolder + name, folder + name)) {
            m_error = QStringLiteral("cannot copy ") + m_sampleFolder + name;
            return QString();
        }
    }
    return folder;
}

void HostileData::finish(
    const QString &description, const QString &dataFolder, const QString &fileName)
{
    const QString size = sizeText(QFile(dataFolder + fileName).size());
    const QString commonFiles = m_root.filePath(QString::number(m_folders.size()));
    m_folders.append(Folder {description + QStringLiteral(" (%1)").arg(size), commonFiles});
}
