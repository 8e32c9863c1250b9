#ifndef KVB_ADDRESSFIELDS_H
#define KVB_ADDRESSFIELDS_H

#include "addressrecord.h"

#include <QCoreApplication>

#include <array>

class QLineEdit;

// The six read-only fields in which the address confirmation pages show a
// postal address, one row each. The region and country codes have no field:
// users know places by their names.
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

    // The label of a row, such as "City:".
    static QString labelText(int row);

    // Writes the address into the fields.
    void show(const AddressRecord &address);

    std::array<QLineEdit *, RowCount> fields {};
};

#endif
