#include "addressfields.h"

#include "regdata/countrynames.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// The narrowest an address field gets, and the gap between two addresses.
constexpr int FieldWidth = 120;
constexpr int ColumnGap = 40;

// A field that shows one line of an address to read: as wide as its text,
// so that the line is whole, in the text colours (not greyed), selectable,
// and reached by Tab and screen readers like any field.
class AddressLine : public QLineEdit
{
public:
    AddressLine() { setReadOnly(true); }

    QSize sizeHint() const override
    {
        // The plain hint makes room for 17 letters "x"; this one for the text.
        const QSize hint = QLineEdit::sizeHint();
        const int chrome = hint.width() - fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17;
        return {qMax(FieldWidth, chrome + fontMetrics().horizontalAdvance(text())), hint.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

AddressFields::AddressFields(Address address)
{
    static const char *const objectNames[] = {"Street Address 1:", "Street Address 2:", "City:",
        "State/Province/Region:", "Zip/Postal Code:", "Country:"};
    for (int row = 0; row < RowCount; ++row) {
        auto *field = new AddressLine;
        const QLatin1String objectName(objectNames[row]);
        if (address == Only) {
            field->setObjectName(objectName);
        } else {
            field->setObjectName(
                (address == Original ? QLatin1String("Original ") : QLatin1String("Corrected "))
                + objectName);
            field->setAccessibleName(fieldName(address, row));
        }
        m_fields[row] = field;
    }
}

QString AddressFields::fieldName(Address address, int row)
{
    const bool original = address == Original;
    switch (row) {
    case StreetAddress1:
        //: For screen readers, a field of the address as the user entered it ("Original") or
        //: as the address check corrected it ("Corrected").
        return original ? tr("Original street address 1") : tr("Corrected street address 1");
    case StreetAddress2:
        return original ? tr("Original street address 2") : tr("Corrected street address 2");
    case City:
        return original ? tr("Original city") : tr("Corrected city");
    case Region:
        return original ? tr("Original state, province or region")
                        : tr("Corrected state, province or region");
    case Postcode:
        return original ? tr("Original zip or postal code") : tr("Corrected zip or postal code");
    case Country:
        return original ? tr("Original country") : tr("Corrected country");
    }
    return QString();
}

QString AddressFields::labelText(int row)
{
    switch (row) {
    case StreetAddress1:
        return tr("Street Address &1:");
    case StreetAddress2:
        return tr("Street Address &2:");
    case City:
        return tr("C&ity:");
    case Region:
        return tr("&State/Province/Region:");
    case Postcode:
        return tr("&Zip/Postal Code:");
    case Country:
        return tr("C&ountry:");
    }
    return QString();
}

void AddressFields::show(const AddressRecord &address)
{
    const std::array<QString, RowCount> texts = rowTexts(address);
    for (int row = 0; row < RowCount; ++row) {
        QLineEdit *field = m_fields[row];
        field->setText(texts[row]);
        field->setCursorPosition(0);
        field->updateGeometry();
    }
    markChanges(address);
}

void AddressFields::markChanges(const AddressRecord &original)
{
    const std::array<QString, RowCount> texts = rowTexts(original);
    for (int row = 0; row < RowCount; ++row) {
        QLineEdit *field = m_fields[row];
        const bool changed = field->text() != texts[row];
        QFont font = field->font();
        font.setBold(changed);
        field->setFont(font);
        field->setAccessibleDescription(changed ? tr("Changed by the address check") : QString());
    }
}

std::array<QString, AddressFields::RowCount> AddressFields::rowTexts(const AddressRecord &address)
{
    // The country by its name in the user's language, as the contact page
    // shows it.
    return {address.streetAddress1, address.streetAddress2, address.city, address.regionName,
        address.postcode, CountryNames::shown(address.countryName, address.countryCode)};
}

QGridLayout *AddressFields::rows(const QList<AddressFields *> &columns, const QStringList &headings)
{
    // A column of labels, then one of fields for each address, with a gap
    // between the addresses, and the headings over their columns.
    constexpr int Spacing = 6;
    auto *grid = new QGridLayout;
    grid->setObjectName(QStringLiteral("RegCorFrame"));
    grid->setHorizontalSpacing(Spacing);
    grid->setVerticalSpacing(2);
    const auto fieldColumn = [](qsizetype index) { return 1 + 2 * int(index); };
    for (qsizetype index = 1; index < columns.size(); ++index)
        grid->setColumnMinimumWidth(fieldColumn(index) - 1, ColumnGap - 2 * Spacing);
    int top = 0;
    if (!headings.isEmpty()) {
        for (qsizetype index = 0; index < headings.size(); ++index)
            grid->addWidget(new QLabel(headings[index]), 0, fieldColumn(index));
        grid->setRowMinimumHeight(1, 10);
        top = 2;
    }
    for (int row = 0; row < RowCount; ++row) {
        auto *label = new QLabel(labelText(row));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A label's access key takes the user to the first address's field;
        // the others carry their own names.
        label->setBuddy(columns.first()->m_fields[row]);
        grid->addWidget(label, top + row, 0);
        for (qsizetype index = 0; index < columns.size(); ++index)
            grid->addWidget(columns[index]->m_fields[row], top + row, fieldColumn(index));
    }
    return grid;
}
