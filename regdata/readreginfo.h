#ifndef KVB_READREGINFO_H
#define KVB_READREGINFO_H

#include "registrationrecord.h"

#include <QObject>

// Reads the saved registration from RegInfo.xml in the data folder, once,
// when it is constructed. A missing or unreadable file leaves both halves
// empty; a file that is present counts as found even when it holds no usable
// XML. A file that another user could have put there, or changed, is not
// read (see Platform::openOwnFile).
class ReadRegInfo : public QObject
{
    Q_OBJECT

public:
    ReadRegInfo();

    const RegistrationRecord &record() const { return m_record; }
    FirstPageRecord *firstPageRecord() { return &m_record.firstPage; }
    SecondPageRecord *secondPageRecord() { return &m_record.secondPage; }
    // Whether the file could be opened, whatever it held.
    bool recordFound() const { return m_found; }
    // Whether a file stood there that was not read, as another user's.
    bool recordRefused() const { return m_refused; }

private:
    RegistrationRecord m_record;
    bool m_found = false;
    bool m_refused = false;
};

#endif
