#ifndef KVB_READREGINFO_H
#define KVB_READREGINFO_H

#include "registrationrecord.h"

#include <QObject>

// Reads the saved registration from RegInfo.xml in the data folder, once,
// when it is constructed. A missing or unreadable file leaves both halves
// empty; a file that is present counts as found even when it holds no usable
// XML.
//
// The reader owns the two records it hands out: they stay valid for as long
// as the reader lives, so whoever passes them on keeps the reader at least
// as long as their users.
class ReadRegInfo : public QObject
{
    Q_OBJECT

public:
    ReadRegInfo();

    FirstPageRecord *firstPageRecord() { return &m_record.firstPage; }
    SecondPageRecord *secondPageRecord() { return &m_record.secondPage; }
    // Whether the file could be opened, whatever it held.
    bool recordFound() const { return m_found; }

private:
    RegistrationRecord m_record;
    bool m_found = false;
};

#endif
