#ifndef KVB_SAVEREGINFO_H
#define KVB_SAVEREGINFO_H

#include "registrationrecord.h"

#include <QByteArray>
#include <QObject>

// Writes a registration to RegInfo.xml in the data folder. The two records
// belong to the caller and must outlive the writer.
//
// The file is replaced as a whole or not at all (see Platform::replaceFile):
// a save that fails, whether it cannot start or the disk fills up halfway,
// leaves the previous file as it was, and whatever stands at the record's
// name, a link to another file included, is replaced rather than written
// into. A save killed in the instant between naming its new file and
// putting it in place leaves that file beside the record, under the record's
// name, a dot and six letters; it is left alone, as nothing tells it apart
// from a copy that the user made. The "RegData" folder is made only in the
// user's own data folder (see DataFolder).
class SaveRegInfo : public QObject
{
    Q_OBJECT

public:
    SaveRegInfo(const FirstPageRecord *firstPage, const SecondPageRecord *secondPage);

    // Returns true when the whole record is in the file.
    bool save() const;

private:
    QByteArray toXml() const;

    const FirstPageRecord *m_firstPage;
    const SecondPageRecord *m_secondPage;
};

#endif
