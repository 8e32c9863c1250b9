#include "correctregpage.h"

#include "managewidget.h"
#include "statuslabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CorrectRegPage::CorrectRegPage(QWidget *parent)
    : QWidget(parent)
    , m_statusLabel(new StatusLabel)
{
    auto *backButton = new QPushButton(tr("Back"));
    auto *cancelButton = new QPushButton(tr("Cancel"));
    connect(backButton, &QPushButton::clicked, this, &CorrectRegPage::regCorBackSignal);
    connect(cancelButton, &QPushButton::clicked, this, &CorrectRegPage::regCorCancelSignal);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(m_statusLabel);

    setWindowTitle(tr("Registration Step 2 of 3"));
}

void CorrectRegPage::setOriginal(QSharedPointer<AddressRecord> original)
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
    m_original = original;
}

void CorrectRegPage::setCorrected(QSharedPointer<AddressRecord> corrected)
{
    m_corrected = corrected;
}

void CorrectRegPage::regCorCancelSignal()
{
    ManageWidget::showPage(registrationStack(), ManageWidget::FirstPage);
}

void CorrectRegPage::regCorBackSignal()
{
    ManageWidget::showPage(registrationStack(), ManageWidget::FirstPage);
}

QStackedWidget *CorrectRegPage::registrationStack()
{
    // A reply too short to read brings the user here without an address, so
    // the page may not have the stack yet.
    if (!m_registrationStack)
        m_registrationStack = ManageWidget::instance()->registrationStack();
    return m_registrationStack;
}
