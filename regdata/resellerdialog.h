#ifndef KVB_RESELLERDIALOG_H
#define KVB_RESELLERDIALOG_H

#include "listdialog.h"

#include <QStringList>

#include <memory>

class XMLResellerStruct;

// The modal dialog in which the user picks the reseller. It reads the
// reseller catalogue each time it is shown, so edits of the file show up at
// the next opening.
class ResellerDialog : public ListDialog
{
    Q_OBJECT

public:
    explicit ResellerDialog(QWidget *parent = nullptr);
    ~ResellerDialog() override;

    // The chosen reseller's name; null when the dialog was cancelled or
    // closed.
    QString selectedReseller() const { return selectedName(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<XMLResellerStruct> m_catalogue;
    QStringList m_resellerNames;
};

#endif
