#include "correctregpage.h"

#include "pagelayout.h"
#include "statuslabel.h"

#include <QVBoxLayout>

#include <utility>

CorrectRegPage::CorrectRegPage(QWidget *parent)
    : AddressConfirmationPage(AddressFields::Original, parent)
    , m_correctedFields(AddressFields::Corrected)
{
    m_replaceButton = addChoice(Replace, &CorrectRegPage::replace);
    m_keepButton = addChoice(Keep, &CorrectRegPage::keep);
    m_reenterButton = addChoice(Reenter, &CorrectRegPage::reenter);
    layOut(PageLayout::centred(AddressFields::rows({&m_originalFields, &m_correctedFields},
               {//: The heading over the address as the user entered it.
                   tr("Original:"),
                   //: The heading over the address as the address check corrected it.
                   tr("Corrected:")})),
        &CorrectRegPage::regCorBackSignal, &CorrectRegPage::regCorCancelSignal,
        &CorrectRegPage::regCorNextSignal);
    updateChoices();
}

void CorrectRegPage::setCorrected(QSharedPointer<AddressRecord> corrected)
{
    m_corrected = std::move(corrected);
    if (m_corrected) {
        m_correctedFields.show(*m_corrected);
        m_correctedFields.markChanges(m_original ? *m_original : AddressRecord());
    }
    updateChoices();
}

void CorrectRegPage::setUnreadable()
{
    // Without an address the page would not take the stack, which it needs
    // all the same to go back.
    takeRegistrationStack();
    // The addresses of an earlier round are no longer what the user entered.
    m_original.reset();
    m_corrected.reset();
    m_originalFields.show(AddressRecord());
    m_correctedFields.show(AddressRecord());
    statusLabel()->setMessage(
        tr("The corrected address could not be read. Please re-enter your address."),
        StatusLabel::Warning);
    updateChoices();
}

void CorrectRegPage::regCorNextSignal()
{
    if (m_replaceButton->isChecked())
        handOver(m_corrected);
    else if (m_keepButton->isChecked())
        handOver(m_original);
    else
        reenterAddress();
}

void CorrectRegPage::regCorCancelSignal()
{
    returnToContactPage();
}

void CorrectRegPage::regCorBackSignal()
{
    returnToContactPage();
}

void CorrectRegPage::replace()
{
    enableNext();
}

void CorrectRegPage::reenter()
{
    enableNext();
}

void CorrectRegPage::keep()
{
    enableNext();
}

void CorrectRegPage::updateChoices()
{
    // Without an address to hand over, the page has nothing that the
    // purchase page could register; a choice of an earlier round that can
    // no longer be made is undone, and Next waits for a new one.
    m_replaceButton->setEnabled(!m_corrected.isNull());
    m_keepButton->setEnabled(!m_original.isNull());
    for (QRadioButton *choice : {m_replaceButton, m_keepButton}) {
        if (choice->isChecked() && !choice->isEnabled())
            undoChoice(choice);
    }
}
