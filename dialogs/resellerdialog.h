#ifndef KVB_RESELLERDIALOG_H
#define KVB_RESELLERDIALOG_H

#include "listdialog.h"

// The modal dialog in which the user picks the reseller from the reseller
// catalogue.
class ResellerDialog : public ListDialog
{
    Q_OBJECT

public:
    explicit ResellerDialog(QWidget *parent = nullptr);

    // The chosen reseller's name; null when the dialog was cancelled or
    // closed.
    QString selectedReseller() const { return selectedName(); }

protected:
    QList<Entry> readEntries() const override;
};

#endif
