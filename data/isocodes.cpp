#include "isocodes.h"

#include <QCollator>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace IsoCodes {

namespace {

QJsonArray readEntries(const QString &fileName, const QString &key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonArray();
    return QJsonDocument::fromJson(file.readAll()).object().value(key).toArray();
}

// Subdivisions of one country that share a name are told apart by their
// type ("City", "Rayon"), and by their code when that is shared too.
void disambiguate(QList<Region> &regions, const QHash<QString, QString> &typeByCode)
{
    QHash<QString, int> count;
    for (const Region &region : regions)
        ++count[region.name];
    for (Region &region : regions) {
        if (count.value(region.name) > 1)
            region.name += QStringLiteral(" (%1)").arg(typeByCode.value(region.code));
    }
    count.clear();
    for (const Region &region : regions)
        ++count[region.name];
    for (Region &region : regions) {
        if (count.value(region.name) > 1)
            region.name += QLatin1Char(' ') + region.code;
    }
}

} // namespace

QString defaultFolder()
{
    return QStringLiteral("/usr/share/iso-codes/json");
}

QString readableName(const QString &isoName)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*(\\([^)]*\\)|\\[[^\\]]*\\])"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    static const QRegularExpression list(QStringLiteral("\\b(and|y|et|und|i|e)\\b"));

    QString name = isoName;
    name.remove(bracketed);
    const qsizetype comma = name.lastIndexOf(QLatin1String(", "));
    if (comma > 0) {
        const QString head = name.left(comma);
        const QString tail = name.mid(comma + 2);
        // "Murcia, Región de" is an inverted name; "Bonaire, Sint Eustatius
        // and Saba" is a list, which keeps its order.
        name
            = tail.contains(list) ? head + QLatin1Char(' ') + tail : tail + QLatin1Char(' ') + head;
    }
    name.replace(QLatin1Char(','), QLatin1Char(' '));
    name.remove(QLatin1Char('='));
    // Footnote marks of the standard: "*", and "†" on the districts of a
    // capital.
    name.remove(QLatin1Char('*'));
    name.remove(QChar(0x2020));
    name = name.replace(spaces, QStringLiteral(" ")).trimmed();
    // "The Democratic Republic of the Congo" is looked for under D.
    if (name.startsWith(QLatin1String("The ")))
        name.remove(0, 4);
    return name;
}

bool nameLessThan(const QString &left, const QString &right)
{
    // Unicode's collation puts letters such as "Ł", "Đ" or "ı" beside their
    // base letters, where removing accents alone would put them after "Z".
    static const QCollator collator = [] {
        QCollator englishOrder(QLocale(QLocale::English, QLocale::UnitedStates));
        englishOrder.setCaseSensitivity(Qt::CaseInsensitive);
        return englishOrder;
    }();
    const int order = collator.compare(left, right);
    return order != 0 ? order < 0 : left < right;
}

QList<Country> readCountries(const QString &folder)
{
    const QJsonArray countryEntries
        = readEntries(folder + QStringLiteral("/iso_3166-1.json"), QStringLiteral("3166-1"));
    const QJsonArray subdivisionEntries
        = readEntries(folder + QStringLiteral("/iso_3166-2.json"), QStringLiteral("3166-2"));

    QHash<QString, QList<Region>> regionsByCountry;
    QHash<QString, QString> typeByCode;
    for (const QJsonValue value : subdivisionEntries) {
        const QJsonObject entry = value.toObject();
        if (entry.contains(QStringLiteral("parent")))
            continue;
        const QString fullCode = entry.value(QStringLiteral("code")).toString();
        const qsizetype dash = fullCode.indexOf(QLatin1Char('-'));
        if (dash <= 0)
            continue;
        const Region region {
            fullCode.mid(dash + 1), readableName(entry.value(QStringLiteral("name")).toString())};
        typeByCode.insert(region.code, entry.value(QStringLiteral("type")).toString());
        regionsByCountry[fullCode.left(dash)].append(region);
    }

    QList<Country> countries;
    for (const QJsonValue value : countryEntries) {
        const QJsonObject entry = value.toObject();
        Country country;
        country.code = entry.value(QStringLiteral("alpha_2")).toString();
        country.name = readableName(entry.value(QStringLiteral("common_name"))
                                        .toString(entry.value(QStringLiteral("name")).toString()));
        country.regions = regionsByCountry.value(country.code);
        if (country.regions.isEmpty())
            country.regions.append(Region {country.code, country.name});
        disambiguate(country.regions, typeByCode);
        std::sort(country.regions.begin(), country.regions.end(),
            [](const Region &a, const Region &b) { return nameLessThan(a.name, b.name); });
        countries.append(country);
    }
    std::sort(countries.begin(), countries.end(),
        [](const Country &a, const Country &b) { return nameLessThan(a.name, b.name); });
    return countries;
}

} // namespace IsoCodes
