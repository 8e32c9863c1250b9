#include "resellerdialog.h"

#include "regdata/xmlresellerstruct.h"

#include <QListWidget>

ResellerDialog::ResellerDialog(QWidget *parent)
    : ListDialog(parent)
{
    listWidget()->setAccessibleName(tr("Resellers"));
    setWindowTitle(tr("Select a Reseller"));
}

QStringList ResellerDialog::readNames() const
{
    return XMLResellerStruct().resellerNames();
}
