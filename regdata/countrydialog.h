#ifndef KVB_COUNTRYDIALOG_H
#define KVB_COUNTRYDIALOG_H

#include "listdialog.h"

#include <QStringList>

#include <memory>

class XMLRegStruct;

// The modal dialog in which the user picks a country. It reads the country
// catalogue each time it is shown, so edits of the file show up at the next
// opening.
class CountryDialog : public ListDialog
{
    Q_OBJECT

public:
    explicit CountryDialog(QWidget *parent = nullptr);
    ~CountryDialog() override;

    // The chosen country; null when the dialog was cancelled or closed.
    QString selectedCountry() const { return selectedName(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QStringList m_countryNames;
    std::unique_ptr<XMLRegStruct> m_catalogue;
};

#endif
