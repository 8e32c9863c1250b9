#ifndef KVB_SAVEREGINFO_H
#define KVB_SAVEREGINFO_H

#include "registrationrecord.h"

#include <QByteArray>
#include <QObject>

// Writes a registration to RegInfo.xml in the data folder. The two records
// belong to the caller and must outlive the writer.
//
// The file is replaced as a whole or not at all: a save that fails, whether
// it cannot start or the disk fills up halfway, leaves the previous file as
// it was, and the next save removes any temporary file that a killed save
// left beside it. The "RegData" folder is never created here.
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
