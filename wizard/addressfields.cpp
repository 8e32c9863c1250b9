#include "addressfields.h"

#include "plaintooltip.h"

#include <QLineEdit>

QString AddressFields::labelText(int row)
{
    switch (row) {
    case StreetAddress1:
        return tr("Street Address 1:");
    case StreetAddress2:
        return tr("Street Address 2:");
    case City:
        return tr("City:");
    case Region:
        return tr("State/Province/Region:");
    case Postcode:
        return tr("Zip/Postal Code:");
    case Country:
        return tr("Country:");
    }
    return QString();
}

void AddressFields::show(const AddressRecord &address)
{
    const std::array<QString, RowCount> texts {address.streetAddress1, address.streetAddress2,
        address.city, address.regionName, address.postcode, address.countryName};
    for (int row = 0; row < RowCount; ++row) {
        QLineEdit *field = fields[row];
        field->setText(texts[row]);
        // The fields are disabled, so the user cannot scroll them: show the
        // start of a long text, and the whole of it on hover.
        field->setCursorPosition(0);
        setPlainToolTip(field, texts[row]);
    }
}
