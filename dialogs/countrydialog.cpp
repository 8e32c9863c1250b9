#include "countrydialog.h"

#include "regdata/xmlregstruct.h"

#include <QListWidget>

CountryDialog::CountryDialog(QWidget *parent)
    : ListDialog(parent)
{
    listWidget()->setAccessibleName(tr("Countries"));
    setWindowTitle(tr("Select a country"));
}

QStringList CountryDialog::readNames() const
{
    return XMLRegStruct().countryNames();
}
