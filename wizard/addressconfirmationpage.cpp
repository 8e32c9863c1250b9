#include "addressconfirmationpage.h"

#include "pagelayout.h"
#include "secondregpage.h"
#include "statuslabel.h"
#include "wrappedlabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

// The contact page's field of the first street line.
const QLatin1String StreetFieldName("Street Address 1:");

} // namespace

AddressConfirmationPage::AddressConfirmationPage(AddressFields::Address original, QWidget *parent)
    : WizardPage(parent)
    , m_originalFields(original)
    , m_choices(new QVBoxLayout)
    , m_backButton(new QPushButton(tr("&Back")))
    , m_cancelButton(new QPushButton(tr("&Cancel")))
    , m_nextButton(new QPushButton(tr("&Next")))
    , m_statusLabel(new StatusLabel)
{
    m_choices->setSpacing(0);
    m_backButton->setObjectName(QStringLiteral("Back"));
    m_cancelButton->setObjectName(QStringLiteral("Cancel"));
    m_nextButton->setObjectName(QStringLiteral("Next"));
    m_nextButton->setEnabled(false);
    setWindowTitle(tr("Registration Step 2 of 3"));
}

void AddressConfirmationPage::setOriginal(QSharedPointer<AddressRecord> original)
{
    takeRegistrationStack();
    m_statusLabel->clearMessage();
    m_original = std::move(original);
    if (m_original)
        m_originalFields.show(*m_original);
    updateChoices();
}

void AddressConfirmationPage::enableNext()
{
    m_nextButton->setEnabled(true);
}

void AddressConfirmationPage::undoChoice(QRadioButton *choice)
{
    // A choice of an exclusive group cannot be unchecked by itself.
    choice->setAutoExclusive(false);
    choice->setChecked(false);
    choice->setAutoExclusive(true);
    m_nextButton->setEnabled(false);
}

void AddressConfirmationPage::handOver(const QSharedPointer<AddressRecord> &address)
{
    auto *secondPage = sibling<SecondRegPage>(ManageWidget::SecondPage);
    if (!address || !secondPage)
        return;
    secondPage->setAddress(address);
    secondPage->updateSaveButtons();
    showPage(ManageWidget::SecondPage);
}

void AddressConfirmationPage::reenterAddress() const
{
    returnToContactPage();
    const QWidget *contactPage = sibling<QWidget>(ManageWidget::FirstPage);
    if (auto *street = contactPage ? contactPage->findChild<QWidget *>(StreetFieldName) : nullptr)
        street->setFocus(Qt::OtherFocusReason);
}

QWidget *AddressConfirmationPage::firstControl() const
{
    for (int index = 0; index < m_choices->count(); ++index) {
        QWidget *choice = m_choices->itemAt(index)->widget();
        if (choice && choice->isEnabled())
            return choice;
    }
    return m_nextButton;
}

QRadioButton *AddressConfirmationPage::newChoice(Choice choice)
{
    const QString texts[] = {tr("&Replace my original address with the corrected address."),
        tr("&Keep my original address"), tr("&Let me re-enter my address")};
    const char *names[] = {"Replace", "Keep", "Reenter"};
    auto *button = new QRadioButton(texts[choice]);
    button->setObjectName(QLatin1String(names[choice]));
    // The spare height goes to the choices by their place in the list of
    // three, 1, 2 and 3, so that on either page they spread down the page
    // as they always have.
    m_choices->addWidget(button, choice + 1, Qt::AlignLeft | Qt::AlignVCenter);
    return button;
}

void AddressConfirmationPage::layOutPage(QLayout *addresses)
{
    auto *introLabel = new WrappedLabel(
        tr("We were unable to correct and standardize your contact information. In order to "
           "assist you better, we ask that you make any needed changes to your information "
           "below."));

    QVBoxLayout *body = PageLayout::column();
    body->addWidget(introLabel);
    body->addSpacing(fontMetrics().height());
    body->addLayout(addresses);
    body->addLayout(PageLayout::centred(m_choices));
    setPageLayout(
        body, PageLayout::buttonRow(m_backButton, {m_cancelButton, m_nextButton}), m_statusLabel);
}
