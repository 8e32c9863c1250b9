#ifndef KVB_FORMROWS_H
#define KVB_FORMROWS_H

#include <QString>

class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QWidget;

// The rows of the wizard's forms, one way on every page: a label, right-
// aligned and wrapped onto further lines where the page is narrow; the field,
// or a row of fields, taking the width that is left; and a narrow mark, "*"
// for a required row. The label is the buddy of the (first) field, so that
// its access key moves there and screen readers announce the field by it.
namespace FormRows {

// An empty form.
QGridLayout *form();

// Adds a row of one field to form; returns its label.
QLabel *addRow(QGridLayout *form, const QString &labelText, QWidget *field, bool required);
// Adds a row of several fields, laid out in fields, which the label names
// by first; returns its label.
QLabel *addRow(
    QGridLayout *form, const QString &labelText, QLayout *fields, QWidget *first, bool required);

// Shows or hides the whole row of label: the label, its fields and its mark.
void setRowVisible(QGridLayout *form, QLabel *label, bool visible);

// A text field of a form: wide enough for 24 characters of its font, and
// wider where the page has room; found by objectName, whatever the
// language.
QLineEdit *textField(const QString &objectName);

} // namespace FormRows

#endif
