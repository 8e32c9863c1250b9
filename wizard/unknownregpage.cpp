#include "unknownregpage.h"

#include "managewidget.h"
#include "statuslabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

UnknownRegPage::UnknownRegPage(QWidget *parent)
    : QWidget(parent)
    , m_statusLabel(new StatusLabel)
{
    auto *backButton = new QPushButton(tr("Back"));
    auto *cancelButton = new QPushButton(tr("Cancel"));
    connect(backButton, &QPushButton::clicked, this, &UnknownRegPage::regUnknownBackSignal);
    connect(cancelButton, &QPushButton::clicked, this, &UnknownRegPage::regUnknownCancelSignal);

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

void UnknownRegPage::setOriginal(QSharedPointer<AddressRecord> original)
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
    m_original = original;
}

void UnknownRegPage::regUnknownCancelSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void UnknownRegPage::regUnknownBackSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}
