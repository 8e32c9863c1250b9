#include "presets.h"

#include "purchasechoices.h"
#include "xmlregstruct.h"
#include "xmlresellerstruct.h"

#include <QDebug>
#include <QDir>
#include <QSet>
#include <QSettings>

namespace {

// For the administrator who set the presets; the pages say nothing of them.
void warn(const QString &line)
{
    qWarning().noquote() << QLatin1String("kvb: ") + line;
}

// The system's configuration of KVB, and the one place that says where it
// is. The toolkit's native format is the registry on Windows, and elsewhere
// an INI file named KVB.conf, which its INI format would call KVB.ini: so one
// choice suits every system. The file is looked for as Tarn/KVB.conf in each
// folder of XDG_CONFIG_DIRS, an earlier folder's value winning, and then as
// Tarn.conf, the maker's file for all its programs.
class SystemSettings : public QSettings
{
public:
    SystemSettings()
        : QSettings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Tarn"),
            QStringLiteral("KVB"))
    {
        // Once for each file, however often it is read.
        static QSet<QString> reported;
        if (status() == QSettings::FormatError && !reported.contains(fileName())) {
            reported.insert(fileName());
            warn(QStringLiteral("%1 has lines that are not \"key=value\"; they are ignored")
                     .arg(fileName()));
        }
    }

    // A value as text. An INI file makes a list of a value with a comma
    // outside quotes, which is put together again.
    QString text(const QString &key) const
    {
        const QVariant stored = value(key);
        return stored.typeId() == QMetaType::QStringList
            ? stored.toStringList().join(QLatin1String(", "))
            : stored.toString();
    }

    // Reports the keys of the current group that are not among known.
    void reportUnknownKeys(const QStringList &known) const
    {
        const QStringList keys = childKeys();
        for (const QString &key : keys) {
            if (!known.contains(key))
                warn(QStringLiteral("[%1] %2 is no setting of KVB; ignored").arg(group(), key));
        }
    }
};

// A preset of one of the pages: its key in [Defaults], the field of the
// page's record that it fills, and the values it may take, named for a
// message; any text without them.
template <typename Record> struct PagePreset
{
    const char *key;
    QString Record::*field;
    QStringList (*choices)();
    const char *choicesName;
};

QStringList countries()
{
    return XMLRegStruct().countryNames();
}

QStringList resellers()
{
    return XMLResellerStruct().resellerNames();
}

// What an administrator may know for everyone; a person's own name, street,
// e-mail and phone, and whether they want the maker's offers, are theirs to
// give.
const PagePreset<FirstPageRecord> contactPresets[] = {
    {"Company", &FirstPageRecord::company, nullptr, nullptr},
    {"Department", &FirstPageRecord::department, nullptr, nullptr},
    {"Country", &FirstPageRecord::country, countries, "a country of the country catalogue"},
};
const PagePreset<SecondPageRecord> purchasePresets[] = {
    {"PurchaseLocation", &SecondPageRecord::purchaseLocation, PurchaseChoices::locations,
        "a purchase location of the menu"},
    {"Reseller", &SecondPageRecord::resellerInfo, resellers,
        "a reseller of the reseller catalogue"},
    {"BuyerDescription", &SecondPageRecord::buyerDescription, PurchaseChoices::userTypes,
        "a type of user of the menu"},
    {"BuyerBusiness", &SecondPageRecord::buyerBusiness, PurchaseChoices::businesses,
        "a type of business of the menu"},
    {"BuyerWorkType", &SecondPageRecord::buyerWorkType, PurchaseChoices::workTypes,
        "a type of work of the menu"},
};

// Fills record from the presets of the current group that are given, and
// adds their keys to known.
template <typename Record, std::size_t N>
void take(const SystemSettings &settings, const PagePreset<Record> (&presets)[N], Record *record,
    QStringList *known)
{
    for (const PagePreset<Record> &preset : presets) {
        const QString key = QLatin1String(preset.key);
        known->append(key);
        const QString value = settings.text(key);
        if (value.isEmpty())
            continue;
        if (preset.choices && !preset.choices().contains(value))
            warn(QStringLiteral("[Defaults] %1=%2 is not %3; ignored")
                     .arg(key, value, QLatin1String(preset.choicesName)));
        else
            record->*preset.field = value;
    }
}

const QLatin1String CommonFilesFolder("CommonFilesFolder");

} // namespace

namespace Presets {

RegistrationRecord defaults()
{
    RegistrationRecord presets;
    presets.secondPage = PurchaseChoices::unchosen();
    SystemSettings settings;
    settings.beginGroup(QStringLiteral("Defaults"));
    QStringList known;
    take(settings, contactPresets, &presets.firstPage, &known);
    take(settings, purchasePresets, &presets.secondPage, &known);
    settings.reportUnknownKeys(known);
    return presets;
}

QString commonFilesFolder()
{
    SystemSettings settings;
    settings.beginGroup(QStringLiteral("Data"));
    settings.reportUnknownKeys({CommonFilesFolder});
    QString folder = settings.text(CommonFilesFolder);
    // A relative folder would be one below wherever KVB was started.
    if (folder.isEmpty() || QDir::isAbsolutePath(folder))
        return folder;
    warn(QStringLiteral("[Data] %1=%2 is not an absolute folder; ignored")
             .arg(CommonFilesFolder, folder));
    return QString();
}

} // namespace Presets
