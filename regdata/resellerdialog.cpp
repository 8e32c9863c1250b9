#include "resellerdialog.h"

#include "xmlresellerstruct.h"

#include <QListWidget>
#include <QShowEvent>

ResellerDialog::ResellerDialog(QWidget *parent)
    : ListDialog(parent)
{
    listWidget()->setAccessibleName(tr("Resellers"));
    setWindowTitle(tr("Select a Reseller"));
}

ResellerDialog::~ResellerDialog() = default;

void ResellerDialog::showEvent(QShowEvent *event)
{
    // A window restored from being minimised is shown again; its list is
    // already filled.
    if (!event->spontaneous()) {
        m_catalogue = std::make_unique<XMLResellerStruct>();
        m_resellerNames = m_catalogue->resellerNames();
        addNames(m_resellerNames);
    }
    ListDialog::showEvent(event);
}
