#include "countrydialog.h"

#include "xmlregstruct.h"

#include <QListWidget>
#include <QShowEvent>

CountryDialog::CountryDialog(QWidget *parent)
    : ListDialog(parent)
{
    listWidget()->setAccessibleName(tr("Countries"));
    setWindowTitle(tr("Select a country"));
}

CountryDialog::~CountryDialog() = default;

void CountryDialog::showEvent(QShowEvent *event)
{
    // A window restored from being minimised is shown again; its list is
    // already filled.
    if (!event->spontaneous()) {
        m_catalogue = std::make_unique<XMLRegStruct>();
        m_countryNames = m_catalogue->countryNames();
        addNames(m_countryNames);
    }
    ListDialog::showEvent(event);
}
