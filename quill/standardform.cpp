#include "standardform.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace StandardForm {

namespace {

// Case changes that would leave Latin-1 ("ÿ" has its capital outside it) are
// not made: the engine's replies are Latin-1.
QChar upperLatin1(QChar c)
{
    const QChar upper = c.toUpper();
    return upper.unicode() <= 0xff ? upper : c;
}

QString upperLatin1(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper)
        c = upperLatin1(c);
    return upper;
}

// "main" and "MAIN" become "Main", "saint-denis" becomes "Saint-Denis"; a word
// in mixed case ("McDonald") keeps its inner capitals, and one that starts
// with a digit ("4b", "1st") is left as it is.
QString capitalised(const QString &word)
{
    if (word.isEmpty() || !word.front().isLetter())
        return word;
    const bool hasSmallLetters
        = std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLower(); });
    QString result = hasSmallLetters ? word : word.toLower();
    bool startsPart = true;
    for (QChar &c : result) {
        if (startsPart && c.isLetter())
            c = upperLatin1(c);
        startsPart = c == QLatin1Char('-');
    }
    return result;
}

QStringList words(const QString &text)
{
    return text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Keyed by the word in capitals without a final full stop; the abbreviations
// map to themselves so that "ST." and "st" become "St" as well.
const QHash<QString, QString> &streetSuffixes()
{
    static const QHash<QString, QString> suffixes = [] {
        const char *const pairs[][2] = {{"STREET", "St"}, {"AVENUE", "Ave"}, {"AV", "Ave"},
            {"ROAD", "Rd"}, {"BOULEVARD", "Blvd"}, {"DRIVE", "Dr"}, {"LANE", "Ln"}, {"COURT", "Ct"},
            {"PLACE", "Pl"}, {"TERRACE", "Ter"}, {"PARKWAY", "Pkwy"}, {"HIGHWAY", "Hwy"},
            {"SQUARE", "Sq"}, {"CIRCLE", "Cir"}, {"CRESCENT", "Cres"}};
        QHash<QString, QString> table;
        for (const auto &pair : pairs) {
            const QString abbreviation = QString::fromLatin1(pair[1]);
            table.insert(QString::fromLatin1(pair[0]), abbreviation);
            table.insert(abbreviation.toUpper(), abbreviation);
        }
        return table;
    }();
    return suffixes;
}

bool isCompassDirection(const QString &upperWord)
{
    static const QStringList directions
        = {QStringLiteral("N"), QStringLiteral("S"), QStringLiteral("E"), QStringLiteral("W"),
            QStringLiteral("NE"), QStringLiteral("NW"), QStringLiteral("SE"), QStringLiteral("SW")};
    return directions.contains(upperWord);
}

struct PostcodeRule
{
    const char *country;
    // Matched against the postcode in capitals without blanks and hyphens;
    // the captured parts, joined by the separator, give the standard form.
    const char *pattern;
    const char *separator;
};

// The countries with the most users of desktop software.
const PostcodeRule postcodeRules[] = {
    {"US", "(\\d{5})(\\d{4})?", "-"},
    {"CA", "([A-Z]\\d[A-Z])(\\d[A-Z]\\d)", " "},
    {"GB", "([A-Z]{1,2}\\d[A-Z\\d]?)(\\d[A-Z]{2})", " "},
    {"IE", "([A-Z]\\d[\\dW])([A-Z\\d]{4})", " "},
    {"NL", "([1-9]\\d{3})([A-Z]{2})", " "},
    {"JP", "(\\d{3})(\\d{4})", "-"},
    {"BR", "(\\d{5})(\\d{3})", "-"},
    {"PT", "(\\d{4})(\\d{3})", "-"},
    {"PL", "(\\d{2})(\\d{3})", "-"},
    {"SE", "(\\d{3})(\\d{2})", " "},
    {"CZ", "(\\d{3})(\\d{2})", " "},
    {"GR", "(\\d{3})(\\d{2})", " "},
    {"DE", "(\\d{5})", ""},
    {"FR", "(\\d{5})", ""},
    {"IT", "(\\d{5})", ""},
    {"ES", "(\\d{5})", ""},
    {"MX", "(\\d{5})", ""},
    {"KR", "(\\d{5})", ""},
    {"FI", "(\\d{5})", ""},
    {"TR", "(\\d{5})", ""},
    {"UA", "(\\d{5})", ""},
    {"CN", "(\\d{6})", ""},
    {"IN", "(\\d{6})", ""},
    {"RU", "(\\d{6})", ""},
    {"SG", "(\\d{6})", ""},
    {"IL", "(\\d{7})", ""},
    {"AU", "(\\d{4})", ""},
    {"AT", "(\\d{4})", ""},
    {"BE", "(\\d{4})", ""},
    {"CH", "(\\d{4})", ""},
    {"DK", "(\\d{4})", ""},
    {"NO", "(\\d{4})", ""},
    {"NZ", "(\\d{4})", ""},
    {"ZA", "(\\d{4})", ""},
    {"HU", "(\\d{4})", ""},
};

const PostcodeRule *postcodeRule(const QString &countryCode)
{
    for (const PostcodeRule &rule : postcodeRules) {
        if (countryCode == QLatin1String(rule.country))
            return &rule;
    }
    return nullptr;
}

} // namespace

QString streetLine(const QString &line)
{
    QStringList result = words(line);
    for (int i = 0; i < result.size(); ++i) {
        QString undotted = upperLatin1(result[i]);
        undotted.remove(QLatin1Char('.'));
        QString bare = upperLatin1(result[i]);
        if (bare.size() > 1 && bare.endsWith(QLatin1Char('.')))
            bare.chop(1);
        if (isCompassDirection(undotted))
            result[i] = undotted;
        // The first word is a house number or a name ("Avenue Foch"), never
        // a suffix.
        else if (i > 0 && streetSuffixes().contains(bare))
            result[i] = streetSuffixes().value(bare);
        else
            result[i] = capitalised(result[i]);
    }
    return result.join(QLatin1Char(' '));
}

QString placeName(const QString &name)
{
    QStringList result = words(name);
    for (QString &word : result)
        word = capitalised(word);
    return result.join(QLatin1Char(' '));
}

QString code(const QString &code)
{
    return upperLatin1(code.trimmed());
}

std::optional<QString> postcode(const QString &countryCode, const QString &postcode)
{
    const PostcodeRule *rule = postcodeRule(countryCode);
    if (!rule) {
        const QString standard = upperLatin1(postcode.simplified());
        return standard.isEmpty() ? std::nullopt : std::optional<QString>(standard);
    }

    QString compact;
    for (const QChar c : postcode) {
        if (!c.isSpace() && c != QLatin1Char('-'))
            compact += upperLatin1(c);
    }
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QString::fromLatin1(rule->pattern)));
    const QRegularExpressionMatch match = pattern.match(compact);
    if (!match.hasMatch())
        return std::nullopt;
    QStringList parts;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
        if (!match.captured(i).isEmpty())
            parts += match.captured(i);
    }
    return parts.join(QString::fromLatin1(rule->separator));
}

} // namespace StandardForm
