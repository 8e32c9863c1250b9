#include "countrynames.h"

#include "xmlfile.h"

#include "platform/platform.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QtEndian>

#include <optional>

namespace {

// A country as iso-codes lists it.
struct IsoCountry
{
    QString alpha3;
    QString name;
    QString officialName;
    QString commonName;
};

// The contents of a system file, read as the catalogues are: a regular
// file only, and none over their limit.
QByteArray systemFile(const QString &relativeName)
{
    for (const std::string &folder : Platform::sharedDataFolders()) {
        const int fd = Platform::openRegularFile(folder + relativeName.toStdString());
        if (fd < 0)
            continue;
        const QByteArray data = XmlFile::readAll(fd);
        return data.size() > XmlFile::MaxFileSize ? QByteArray() : data;
    }
    return QByteArray();
}

// The countries of iso-codes by their two-letter codes, read at the first
// search.
const QHash<QString, IsoCountry> &isoCountries()
{
    static const QHash<QString, IsoCountry> countries = [] {
        QHash<QString, IsoCountry> read;
        const QJsonArray list
            = QJsonDocument::fromJson(systemFile(QStringLiteral("iso-codes/json/iso_3166-1.json")))
                  .object()
                  .value(QLatin1String("3166-1"))
                  .toArray();
        for (const auto &entry : list) {
            const QJsonObject country = entry.toObject();
            const auto text = [&country](const char *key) {
                return XmlFile::boundedText(country.value(QLatin1String(key)).toString());
            };
            read.insert(text("alpha_2"),
                {text("alpha_3"), text("name"), text("official_name"), text("common_name")});
        }
        return read;
    }();
    return countries;
}

// The translations of the ISO 3166 names for the default locale's
// language, read when it is first asked for; none for English.
const QHash<QString, QString> &translations()
{
    static QHash<QString, QHash<QString, QString>> byLanguage;
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return byLanguage[QString()];
    const QString language = QLocale::languageToCode(locale.language());
    if (!byLanguage.contains(language)) {
        QHash<QString, QString> read;
        for (const QString &name : {locale.name(), language}) {
            read = CountryNames::readMessageCatalogue(systemFile(
                QLatin1String("locale/") + name + QLatin1String("/LC_MESSAGES/iso_3166-1.mo")));
            if (!read.isEmpty())
                break;
        }
        byLanguage.insert(language, read);
    }
    return byLanguage[language];
}

} // namespace

namespace CountryNames {

QString shown(const QString &name, const QString &code)
{
    const QHash<QString, QString> &translated = translations();
    if (translated.isEmpty())
        return name;
    if (!code.isEmpty()) {
        const IsoCountry country = isoCountries().value(code);
        for (const QString &isoName : {country.commonName, country.name}) {
            if (!isoName.isEmpty() && translated.contains(isoName))
                return translated.value(isoName);
        }
    }
    return translated.value(name, name);
}

QStringList searchNames(const QString &code)
{
    const auto country = isoCountries().constFind(code);
    if (country == isoCountries().cend())
        return {};
    QStringList names;
    const QHash<QString, QString> &translated = translations();
    for (const QString &name : {country->name, country->officialName, country->commonName}) {
        if (!name.isEmpty())
            names << name << translated.value(name);
    }
    names.removeAll(QString());
    return names;
}

void preload()
{
    translations();
    isoCountries();
}

QStringList codes(const QString &code)
{
    const QString alpha3 = isoCountries().value(code).alpha3;
    return alpha3.isEmpty() ? QStringList {code} : QStringList {code, alpha3};
}

QHash<QString, QString> readMessageCatalogue(const QByteArray &data)
{
    // A header of five 32-bit numbers (a magic number that also tells the
    // byte order, the format's revision, the number of strings, and where
    // the tables of the originals and of the translations begin), then in
    // each table a length and an offset for each string.
    QHash<QString, QString> strings;
    if (data.size() < 20)
        return strings;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const bool littleEndian = qFromLittleEndian<quint32>(bytes) == 0x950412deu;
    if (!littleEndian && qFromBigEndian<quint32>(bytes) != 0x950412deu)
        return strings;
    const auto number = [&](qsizetype at) -> quint64 {
        if (at < 0 || at + 4 > data.size())
            return quint64(-1);
        return littleEndian ? qFromLittleEndian<quint32>(bytes + at)
                            : qFromBigEndian<quint32>(bytes + at);
    };
    // A country's name is short: a longer string is read no further than
    // a value of a record would keep.
    constexpr quint64 LongestString = 4 * quint64(XmlFile::MaxValueLength);
    const auto string = [&](quint64 table, quint64 index) -> std::optional<QString> {
        const quint64 length = number(qsizetype(table + index * 8));
        const quint64 offset = number(qsizetype(table + index * 8 + 4));
        if (length == quint64(-1) || offset == quint64(-1)
            || offset + length > quint64(data.size()))
            return std::nullopt;
        return QString::fromUtf8(data.constData() + offset, qsizetype(qMin(length, LongestString)));
    };
    const quint64 count = number(8);
    for (quint64 index = 0; index < count && index < quint64(XmlFile::MaxListEntries); ++index) {
        const std::optional<QString> original = string(number(12), index);
        const std::optional<QString> translation = string(number(16), index);
        if (!original || !translation)
            break;
        if (!original->isEmpty())
            strings.insert(*original, XmlFile::boundedText(*translation));
    }
    return strings;
}

} // namespace CountryNames
