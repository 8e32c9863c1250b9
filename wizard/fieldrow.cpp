#include "fieldrow.h"

#include "accesskey.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

QLineEdit *addFieldRow(QBoxLayout *layout, const QString &labelText, bool required)
{
    auto *label = new QLabel(labelText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *field = new QLineEdit;
    field->setFixedWidth(120);
    field->setObjectName(withoutAccessKey(labelText));
    label->setBuddy(field);

    auto *mark = new QLabel(required ? QStringLiteral("*") : QStringLiteral(" "));
    mark->setFixedWidth(8);

    auto *row = new QHBoxLayout;
    row->addWidget(label, 1);
    row->addWidget(field);
    row->addWidget(mark);
    layout->addLayout(row);
    return field;
}
