#include "purchasechoices.h"

namespace {

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

} // namespace PurchaseChoices
