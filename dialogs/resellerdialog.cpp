#include "resellerdialog.h"

#include "regdata/xmlresellerstruct.h"

#include <QListWidget>

ResellerDialog::ResellerDialog(QWidget *parent)
    : ListDialog(parent)
{
    //: The name of the list of resellers, for screen readers.
    listWidget()->setAccessibleName(tr("Resellers"));
    setWindowTitle(tr("Select a Reseller"));
}

QList<ListDialog::Entry> ResellerDialog::readEntries() const
{
    QList<Entry> entries;
    for (const QString &name : XMLResellerStruct().resellerNames())
        entries.append({name, name, {}, {}});
    return entries;
}
