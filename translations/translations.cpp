#include "translations.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the program's own translations are compiled in.
const QLatin1String OwnFolder(":/i18n");

// Loads the toolkit's translation of its own texts (the buttons of a
// question, the context menu of a field) for language, from where the
// toolkit keeps them, or beside the program where an installation keeps them
// with it.
void installToolkitTranslation(const QString &language)
{
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QString::fromStdString(Platform::programFolder()) + QLatin1String("translations")};
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(QLatin1String("qtbase_") + language, folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}

QStringList availableLanguages()
{
    QStringList languages;
    const QStringList files = QDir(OwnFolder).entryList({QStringLiteral("kvb_*.qm")});
    for (const QString &file : files)
        languages << file.mid(4).chopped(3);
    return languages;
}

} // namespace

namespace Translations {

QString chosenLanguage(const QStringList &languages, const QStringList &available)
{
    for (const QString &name : languages) {
        const QLocale locale(name);
        // A name the toolkit does not know is passed over.
        const bool c = name == QLatin1String("C") || name == QLatin1String("POSIX");
        if (locale.language() == QLocale::C && !c)
            continue;
        if (c || locale.language() == QLocale::English)
            return QString();
        // "de-DE" finds "de", as "pt-BR" would find "pt_BR" before "pt".
        const QString underscored = QString(name).replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString &candidate : {underscored, QLocale::languageToCode(locale.language())}) {
            if (available.contains(candidate))
                return candidate;
        }
    }
    return QString();
}

bool installFile(const QString &path, const QString &language)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installToolkitTranslation(language);
    QLocale::setDefault(QLocale(language));
    return true;
}

QString install()
{
    const QString language = chosenLanguage(QLocale::system().uiLanguages(), availableLanguages());
    if (language.isEmpty()) {
        // The program speaks English: so do its dates and the countries'
        // names, as they are written in the user's country.
        const QLocale system = QLocale::system();
        if (system.language() != QLocale::C)
            QLocale::setDefault(QLocale(QLocale::English, system.territory()));
        return QString();
    }
    installFile(OwnFolder + QLatin1String("/kvb_") + language + QLatin1String(".qm"), language);
    return language;
}

} // namespace Translations
