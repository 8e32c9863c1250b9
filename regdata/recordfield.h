#ifndef KVB_RECORDFIELD_H
#define KVB_RECORDFIELD_H

#include <QString>

// One text field of a saved record together with the name of the element
// that holds it in RegInfo.xml, so that the reader and the writer walk the
// same list.
template <typename Record> struct RecordField
{
    const char *element;
    QString Record::*value;
};

// Whether two records hold the same texts in every field.
template <typename Record> bool sameFields(const Record &one, const Record &other)
{
    for (const auto &field : Record::fields) {
        if (one.*field.value != other.*field.value)
            return false;
    }
    return true;
}

#endif
