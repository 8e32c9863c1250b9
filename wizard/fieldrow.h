#ifndef KVB_FIELDROW_H
#define KVB_FIELDROW_H

#include <QString>

class QBoxLayout;
class QLineEdit;

// Adds to layout the row of one text field, as the wizard's address forms
// show it: the label, right-aligned and taking the spare width, whose access
// key moves to the field; the field, 120 pixels wide and named after the
// label text (without the access key's "&") so that a page can find it by
// that name; and a narrow mark, "*" for a required field. The label is
// the field's buddy, so screen readers announce the field by it. Returns the
// new field.
QLineEdit *addFieldRow(QBoxLayout *layout, const QString &labelText, bool required);

#endif
