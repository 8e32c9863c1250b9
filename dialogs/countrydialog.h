#ifndef KVB_COUNTRYDIALOG_H
#define KVB_COUNTRYDIALOG_H

#include "listdialog.h"

// The modal dialog in which the user picks a country from the country
// catalogue. Each is shown by its name in the user's language and sorted so,
// and found also by its catalogue name, its ISO 3166 names and codes.
class CountryDialog : public ListDialog
{
    Q_OBJECT

public:
    explicit CountryDialog(QWidget *parent = nullptr);

    // The chosen country; null when the dialog was cancelled or closed.
    QString selectedCountry() const { return selectedName(); }
    // Its name as the list showed it.
    QString selectedCaption() const { return ListDialog::selectedCaption(); }

protected:
    QList<Entry> readEntries() const override;
};

#endif
