#include "wizardpage.h"

WizardPage::WizardPage(QWidget *parent)
    : QWidget(parent)
{ }

void WizardPage::takeRegistrationStack()
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
}

void WizardPage::showPage(const QString &name) const
{
    if (QWidget *page = ManageWidget::findPage(m_registrationStack, name))
        m_registrationStack->setCurrentWidget(page);
}

void WizardPage::returnToContactPage() const
{
    showPage(ManageWidget::FirstPage);
}
