#include "purchasechoices.h"

#include <QCoreApplication>
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

// The lists' values are marked for translation with this context; they are
// saved and sent as they stand.
QStringList locations()
{
    //: The names of the maker's own shop and resellers, which stay as they are.
    return {QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Tarn Web Store")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Tarn Reseller")),
        //: Bought together with other products, a computer say.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Bundle")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Mail order catalog")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "On-Line catalog")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Retail Store")),
        //: A place of purchase not among the others.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Other"))};
}

QStringList userTypes()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Professional Editor")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Engineer / Technician")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Administrator")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Student")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Educator")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Enthusiast"))};
}

QStringList businesses()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Independent / Freelance")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Production / Post Facility")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "TV Station or Network")),
        //: Audio and video work within a company.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Corporate A/V")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Government or Law Enforcement")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "House of Worship")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Education")),
        //: A business: a film, television or sound studio.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Studio")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Internet / Mobile Content Provider"))};
}

QStringList workTypes()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Entertainment")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Documentary")),
        //: Editing existing material anew, for another release.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Repackaging")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Short-form News")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Corporate Video")),
        //: Wedding and event videography; the trade's own short name, which may stay.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "WEVA")),
        //: Work of one's own, not for a client.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Personal")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "School Projects")),
        //: A kind of work: films for the cinema.
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Film")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Web / Mobile repackage")),
        QStringLiteral(QT_TRANSLATE_NOOP("PurchaseChoices", "Other, Please Specify"))};
}

QString caption(const QString &value)
{
    return QCoreApplication::translate("PurchaseChoices", value.toUtf8().constData());
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

DateProblem dateProblem(
    const QString &month, const QString &day, const QString &year, const QDate &today)
{
    const QDate date(year.toInt(), int(months().indexOf(month)) + 1, day.toInt());
    if (!date.isValid())
        return DateProblem::NoSuchDay;
    return date > today ? DateProblem::AfterToday : DateProblem::None;
}

} // namespace PurchaseChoices
