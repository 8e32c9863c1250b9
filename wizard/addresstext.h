#ifndef KVB_ADDRESSTEXT_H
#define KVB_ADDRESSTEXT_H

#include "addressrecord.h"

#include <QString>

// The address as the address check takes it: eight key=value items joined by
// single commas, with the values as they stand. Nothing is escaped, so a
// comma or "=" in a value reaches the engine as it was typed.
QString addressText(const AddressRecord &address);

// Fills corrected from the address check's reply of a corrected address.
// Each part is read at its own position and taken only when it holds its key;
// the third part is never read. A reply of fewer than nine parts cannot be
// read: the function then returns false and leaves corrected as it was.
bool readCorrectedAddress(const QString &reply, AddressRecord &corrected);

#endif
