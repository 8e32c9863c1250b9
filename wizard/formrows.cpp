#include "formrows.h"

#include "accesskey.h"
#include "linebreaks.h"
#include "wrappedlabel.h"

#include "regdata/xmlfile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace FormRows {

namespace {

// The columns of a form.
enum Column
{
    LabelColumn,
    FieldColumn
};

// A row's label: in one line where the form has room, else wrapped where
// the language allows, down to its widest word.
class FormLabel : public WrappedLabel
{
public:
    explicit FormLabel(const QString &text)
        : WrappedLabel(text)
    {
        // Its "&" marks its access key, as a button's does.
        setTextFormat(Qt::AutoText);
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // The height of one line: a wrapped label's height is for the layout
    // to ask of heightForWidth() once it knows the width.
    QSize sizeHint() const override { return sized(fontMetrics().horizontalAdvance(shown())); }
    QSize minimumSizeHint() const override
    {
        return {sized(widestUnbreakable(shown(), fontMetrics())).width(), sizeHint().height()};
    }

private:
    QString shown() const { return withoutAccessKey(text()); }
    QSize sized(int textWidth) const
    {
        const int width = textWidth + contentsMargins().left() + contentsMargins().right() + 1;
        return {width, heightForWidth(width)};
    }
};

// The fields, and just after them the row's mark: "*" for a required row.
// Fields that do not fill the row leave the rest of it empty.
QLayout *withMark(QLayout *fields, bool required, bool fill)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    row->addLayout(fields, fill ? 1 : 0);
    row->addWidget(new QLabel(required ? QStringLiteral("*") : QStringLiteral(" ")));
    if (!fill)
        row->addStretch(1);
    return row;
}

QLabel *addRow(QGridLayout *form, const QString &labelText, QLayout *fields, QWidget *first,
    bool required, bool fill)
{
    const int row = form->rowCount();
    auto *label = new FormLabel(labelText);
    label->setBuddy(first);
    form->addWidget(label, row, LabelColumn);
    form->addLayout(withMark(fields, required, fill), row, FieldColumn);
    return label;
}

} // namespace

QGridLayout *form()
{
    auto *form = new QGridLayout;
    form->setColumnStretch(FieldColumn, 1);
    form->setHorizontalSpacing(4);
    return form;
}

QLabel *addRow(QGridLayout *form, const QString &labelText, QWidget *field, bool required)
{
    auto *fields = new QHBoxLayout;
    fields->addWidget(field);
    const bool fill = field->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
    return addRow(form, labelText, fields, field, required, fill);
}

QLabel *addRow(
    QGridLayout *form, const QString &labelText, QLayout *fields, QWidget *first, bool required)
{
    return addRow(form, labelText, fields, first, required, false);
}

void setRowVisible(QGridLayout *form, QLabel *label, bool visible)
{
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    form->getItemPosition(form->indexOf(label), &row, &column, &rows, &columns);
    QList<QLayoutItem *> items {
        form->itemAtPosition(row, LabelColumn), form->itemAtPosition(row, FieldColumn)};
    while (!items.isEmpty()) {
        QLayoutItem *item = items.takeFirst();
        if (QWidget *widget = item ? item->widget() : nullptr)
            widget->setVisible(visible);
        else if (QLayout *layout = item ? item->layout() : nullptr)
            for (int index = 0; index < layout->count(); ++index)
                items.append(layout->itemAt(index));
    }
}

QLineEdit *textField(const QString &objectName)
{
    auto *field = new QLineEdit;
    field->setObjectName(objectName);
    // The frame and margins around the text, as the field's own hint counts
    // them for its 17 "x".
    const int x = field->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    const int chrome = field->sizeHint().width() - x * 17;
    field->setMinimumWidth(chrome + x * 24);
    // No more than a value read back from the record keeps.
    field->setMaxLength(XmlFile::MaxValueLength);
    return field;
}

} // namespace FormRows
