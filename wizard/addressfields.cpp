#include "addressfields.h"

#include "plaintooltip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The width of an address field, and the gap between two addresses.
constexpr int FieldWidth = 120;
constexpr int ColumnGap = 40;

} // namespace

AddressFields::AddressFields(const QString &name)
{
    for (int row = 0; row < RowCount; ++row) {
        auto *field = new QLineEdit;
        field->setFixedWidth(FieldWidth);
        field->setEnabled(false);
        const QString label = labelText(row);
        if (name.isEmpty()) {
            field->setObjectName(label);
        } else {
            field->setObjectName(name + QLatin1Char(' ') + label);
            field->setAccessibleName(tr("%1 %2").arg(name, label.chopped(1)));
        }
        m_fields[row] = field;
    }
}

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
        QLineEdit *field = m_fields[row];
        field->setText(texts[row]);
        // The fields are disabled, so the user cannot scroll them: show the
        // start of a long text, and the whole of it on hover.
        field->setCursorPosition(0);
        setPlainToolTip(field, texts[row]);
    }
}

QVBoxLayout *AddressFields::rows(const QList<AddressFields *> &columns, const QStringList &headings)
{
    auto *frame = new QVBoxLayout;
    frame->setObjectName(QStringLiteral("RegCorFrame"));
    frame->setSpacing(2);
    if (!headings.isEmpty()) {
        auto *row = new QHBoxLayout;
        row->addStretch();
        for (const QString &text : headings) {
            if (row->count() > 1)
                row->addSpacing(ColumnGap);
            auto *heading = new QLabel(text);
            heading->setFixedWidth(FieldWidth);
            heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            row->addWidget(heading);
        }
        frame->addLayout(row);
        frame->addSpacing(10);
    }
    for (int index = 0; index < RowCount; ++index) {
        auto *label = new QLabel(labelText(index));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A label names the first address's field; the others carry their
        // own names.
        label->setBuddy(columns.first()->m_fields[index]);
        auto *row = new QHBoxLayout;
        row->addWidget(label, 1);
        for (const AddressFields *column : columns) {
            if (column != columns.first())
                row->addSpacing(ColumnGap);
            row->addWidget(column->m_fields[index]);
        }
        frame->addLayout(row);
    }
    return frame;
}
