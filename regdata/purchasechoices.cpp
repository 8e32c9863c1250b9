#include "purchasechoices.h"

#include <QRegularExpression>

namespace {

// value when it is one of items, else placeholder.
QString oneOf(const QStringList &items, const QString &value, QLatin1String placeholder)
{
    return items.contains(value) ? value : QString(placeholder);
}

QString yesOrNo(const QString &value)
{
    return value == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList numbers(int first, int count, int step)
{
    QStringList items;
    for (int index = 0; index < count; ++index)
        items << QString::number(first + index * step);
    return items;
}

} // namespace

namespace PurchaseChoices {

QStringList months()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList days()
{
    return numbers(1, 31, 1);
}

QStringList years(int currentYear)
{
    return numbers(currentYear, 5, -1);
}

QStringList locations()
{
    return {QStringLiteral("Tarn Web Store"), resellerLocation, QStringLiteral("Bundle"),
        QStringLiteral("Mail order catalog"), QStringLiteral("On-Line catalog"),
        QStringLiteral("Retail Store"), QStringLiteral("Other")};
}

QStringList userTypes()
{
    return {QStringLiteral("Professional Editor"), QStringLiteral("Engineer / Technician"),
        QStringLiteral("Administrator"), QStringLiteral("Student"), QStringLiteral("Educator"),
        QStringLiteral("Enthusiast")};
}

QStringList businesses()
{
    return {QStringLiteral("Independent / Freelance"), QStringLiteral("Production / Post Facility"),
        QStringLiteral("TV Station or Network"), QStringLiteral("Corporate A/V"),
        QStringLiteral("Government or Law Enforcement"), QStringLiteral("House of Worship"),
        QStringLiteral("Education"), QStringLiteral("Studio"),
        QStringLiteral("Internet / Mobile Content Provider")};
}

QStringList workTypes()
{
    return {QStringLiteral("Entertainment"), QStringLiteral("Documentary"),
        QStringLiteral("Repackaging"), QStringLiteral("Short-form News"),
        QStringLiteral("Corporate Video"), QStringLiteral("WEVA"), QStringLiteral("Personal"),
        QStringLiteral("School Projects"), QStringLiteral("Film"),
        QStringLiteral("Web / Mobile repackage"), QStringLiteral("Other, Please Specify")};
}

SecondPageRecord tidied(const SecondPageRecord &saved)
{
    static const QRegularExpression fourDigits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}")));
    SecondPageRecord shown;
    shown.purchaseMonth = oneOf(months(), saved.purchaseMonth, Placeholder::month);
    shown.purchaseDay = oneOf(days(), saved.purchaseDay, Placeholder::day);
    shown.purchaseYear = fourDigits.match(saved.purchaseYear).hasMatch()
        ? saved.purchaseYear
        : QString(Placeholder::year);
    shown.purchaseLocation = oneOf(locations(), saved.purchaseLocation, Placeholder::location);
    // A reseller is never chosen as an empty name.
    shown.resellerInfo = shown.purchaseLocation == resellerLocation && !saved.resellerInfo.isEmpty()
        ? saved.resellerInfo
        : QString(Placeholder::reseller);
    shown.buyerDescription = oneOf(userTypes(), saved.buyerDescription, Placeholder::userType);
    shown.buyerBusiness = oneOf(businesses(), saved.buyerBusiness, Placeholder::business);
    shown.buyerWorkType = oneOf(workTypes(), saved.buyerWorkType, Placeholder::workType);
    if (shown.buyerWorkType.contains(otherWork))
        shown.workTypeOther = saved.workTypeOther;
    shown.ownTarnSystems = yesOrNo(saved.ownTarnSystems);
    shown.tarnSpecial = yesOrNo(saved.tarnSpecial);
    shown.tarnPartnerSpecial = yesOrNo(saved.tarnPartnerSpecial);
    return shown;
}

SecondPageRecord unchosen()
{
    SecondPageRecord record;
    record.purchaseMonth = Placeholder::month;
    record.purchaseDay = Placeholder::day;
    record.purchaseYear = Placeholder::year;
    record.purchaseLocation = Placeholder::location;
    record.resellerInfo = Placeholder::reseller;
    record.buyerDescription = Placeholder::userType;
    record.buyerBusiness = Placeholder::business;
    record.buyerWorkType = Placeholder::workType;
    record.tarnSpecial = QStringLiteral("0");
    record.tarnPartnerSpecial = QStringLiteral("0");
    return record;
}

} // namespace PurchaseChoices
