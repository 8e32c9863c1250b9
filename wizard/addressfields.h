#ifndef KVB_ADDRESSFIELDS_H
#define KVB_ADDRESSFIELDS_H

#include "regdata/addressrecord.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <array>

class QGridLayout;
class QLineEdit;

// The six fields in which the address confirmation pages show a postal
// address, one row each, which the user reads but does not edit: each as
// wide as its line, in the text's own colours, selectable and reached by Tab
// and screen readers. The region and country codes have no field: users
// know places by their names.
class AddressFields
{
    Q_DECLARE_TR_FUNCTIONS(AddressFields)

public:
    enum Row
    {
        StreetAddress1,
        StreetAddress2,
        City,
        Region,
        Postcode,
        Country,
        RowCount
    };

    // Which address the fields show, where one label stands for two.
    enum Address
    {
        Only,
        Original,
        Corrected
    };

    // Creates the fields. Beside another address, each field is named for
    // screen readers by its address and its row, "Original city"; alone, by
    // its row's label. The fields are found by their object names, whatever
    // the language: "City:", "Original City:".
    explicit AddressFields(Address address = Only);

    // The label of a row, such as "City:".
    static QString labelText(int row);

    // Writes the address into the fields.
    void show(const AddressRecord &address);
    // Marks the fields whose text differs from original's, in bold, and so
    // for screen readers in their descriptions.
    void markChanges(const AddressRecord &original);

    // The rows of one or more addresses side by side, each row under its
    // label, the columns under their headings when there are any.
    static QGridLayout *rows(const QList<AddressFields *> &columns, const QStringList &headings);

private:
    static std::array<QString, RowCount> rowTexts(const AddressRecord &address);
    // The whole name of a row's field beside another address.
    static QString fieldName(Address address, int row);

    std::array<QLineEdit *, RowCount> m_fields {};
};

#endif
