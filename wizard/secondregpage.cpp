#include "secondregpage.h"

#include "managewidget.h"
#include "statuslabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

SecondRegPage::SecondRegPage(SecondPageRecord *record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
    , m_contact(QSharedPointer<ContactRecord>::create())
    , m_statusLabel(new StatusLabel)
{
    auto *backButton = new QPushButton(tr("Back"));
    auto *cancelButton = new QPushButton(tr("Cancel"));
    connect(backButton, &QPushButton::clicked, this, &SecondRegPage::regPage2BackSignal);
    connect(cancelButton, &QPushButton::clicked, this, &SecondRegPage::regPage2CancelSignal);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(m_statusLabel);

    setWindowTitle(tr("Registration Step 3 of 3"));
}

void SecondRegPage::setContact(QSharedPointer<ContactRecord> contact)
{
    m_contact = contact;
}

void SecondRegPage::setAddress(QSharedPointer<AddressRecord> address)
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
    m_address = address;
}

void SecondRegPage::fillFromRecord() { }

void SecondRegPage::updateSaveButtons() { }

void SecondRegPage::regPage2CancelSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void SecondRegPage::regPage2BackSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}
