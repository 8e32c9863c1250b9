#ifndef KVB_COUNTRYDIALOG_H
#define KVB_COUNTRYDIALOG_H

#include "listdialog.h"

// The modal dialog in which the user picks a country from the country
// catalogue.
class CountryDialog : public ListDialog
{
    Q_OBJECT

public:
    explicit CountryDialog(QWidget *parent = nullptr);

    // The chosen country; null when the dialog was cancelled or closed.
    QString selectedCountry() const { return selectedName(); }

protected:
    QStringList readNames() const override;
};

#endif
