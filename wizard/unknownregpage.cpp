#include "unknownregpage.h"

#include "pagelayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

UnknownRegPage::UnknownRegPage(QWidget *parent)
    : AddressConfirmationPage(AddressFields::Only, parent)
{
    //: The heading over the address as the user entered it.
    auto *heading = new QLabel(tr("Original Address:"));
    auto *addresses = new QVBoxLayout;
    addresses->addLayout(PageLayout::centred(heading));
    addresses->addSpacing(fontMetrics().height() / 2);
    addresses->addLayout(PageLayout::centred(AddressFields::rows({&m_originalFields}, {})));

    m_keepButton = addChoice(Keep, &UnknownRegPage::keepUnknown);
    addChoice(Reenter, &UnknownRegPage::reenter);
    layOut(addresses, &UnknownRegPage::regUnknownBackSignal,
        &UnknownRegPage::regUnknownCancelSignal, &UnknownRegPage::regUnknownNextSignal);
}

void UnknownRegPage::regUnknownNextSignal()
{
    if (m_keepButton->isChecked())
        handOver(m_original);
    else
        reenterAddress();
}

void UnknownRegPage::regUnknownCancelSignal()
{
    returnToContactPage();
}

void UnknownRegPage::regUnknownBackSignal()
{
    returnToContactPage();
}

void UnknownRegPage::keepUnknown()
{
    enableNext();
}

void UnknownRegPage::reenter()
{
    enableNext();
}
