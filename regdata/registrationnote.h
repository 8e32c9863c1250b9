#ifndef KVB_REGISTRATIONNOTE_H
#define KVB_REGISTRATIONNOTE_H

#include <QDate>

// The note that this copy was registered: the date of the last successful
// registration, in a small file of its own beside the record
// ("RegData/Registered.txt", an ISO 8601 date), owner-only and replaced as a
// whole like the record. RegInfo.xml itself is never touched by it.
namespace RegistrationNote {

// The date noted, or an invalid date when there is no note, or none that
// can be read. A note that another user could have put there is not
// believed: *refused then tells so.
QDate read(bool *refused = nullptr);

// Notes date; false when the note could not be written, which leaves an
// earlier note as it was.
bool write(const QDate &date);

} // namespace RegistrationNote

#endif
