#include "unknownregpage.h"

#include "fieldrow.h"
#include "managewidget.h"
#include "pagelayout.h"
#include "secondregpage.h"
#include "statuslabel.h"
#include "wrappedlabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

UnknownRegPage::UnknownRegPage(QWidget *parent)
    : QWidget(parent)
{
    m_introLabel = new WrappedLabel(
        tr("We were unable to correct and standardize your contact information. In order to "
           "assist you better, we ask that you make any needed changes to your information "
           "below."));

    m_heading = new QLabel(tr("Original Address:"));
    auto *heading = new QHBoxLayout;
    heading->addStretch();
    heading->addWidget(m_heading);
    heading->addStretch();

    auto *frame = new QVBoxLayout;
    frame->setObjectName(QStringLiteral("RegCorFrame"));
    frame->setSpacing(2);
    for (int row = 0; row < AddressFields::RowCount; ++row) {
        QLineEdit *field = addFieldRow(frame, AddressFields::labelText(row), false);
        field->setEnabled(false);
        m_fields.fields[row] = field;
    }

    m_keepButton = new QRadioButton(tr("Keep my original address"));
    m_reenterButton = new QRadioButton(tr("Let me re-enter my address"));
    // Assistive technology checks a choice without clicking it, so a choice
    // counts as soon as it is checked.
    connect(m_keepButton, &QRadioButton::toggled, this, &UnknownRegPage::keepUnknown);
    connect(m_reenterButton, &QRadioButton::toggled, this, &UnknownRegPage::reenter);

    auto *choices = new QVBoxLayout;
    choices->setSpacing(0);
    choices->addWidget(m_keepButton, 2, Qt::AlignLeft | Qt::AlignVCenter);
    choices->addWidget(m_reenterButton, 3, Qt::AlignLeft | Qt::AlignVCenter);

    auto *backButton = new QPushButton(tr("Back"));
    auto *cancelButton = new QPushButton(tr("Cancel"));
    m_nextButton = new QPushButton(tr("Next"));
    m_nextButton->setEnabled(false);
    connect(backButton, &QPushButton::clicked, this, &UnknownRegPage::regUnknownBackSignal);
    connect(cancelButton, &QPushButton::clicked, this, &UnknownRegPage::regUnknownCancelSignal);
    connect(m_nextButton, &QPushButton::clicked, this, &UnknownRegPage::regUnknownNextSignal);

    m_statusLabel = new StatusLabel;

    QVBoxLayout *layout = PageLayout::createColumn(this);
    layout->addWidget(m_introLabel);
    layout->addSpacing(40);
    layout->addLayout(heading);
    layout->addSpacing(10);
    layout->addLayout(PageLayout::centred(frame));
    layout->addLayout(PageLayout::centred(choices));
    layout->addLayout(PageLayout::buttonRow(backButton, {cancelButton, m_nextButton}));
    layout->addWidget(m_statusLabel);

    setWindowTitle(tr("Registration Step 2 of 3"));
}

void UnknownRegPage::setOriginal(QSharedPointer<AddressRecord> original)
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
    m_original = original;
    if (m_original)
        m_fields.show(*m_original);
}

void UnknownRegPage::regUnknownNextSignal()
{
    if (!m_keepButton->isChecked()) {
        ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
        return;
    }
    auto *secondPage = qobject_cast<SecondRegPage *>(
        ManageWidget::findPage(m_registrationStack, ManageWidget::SecondPage));
    if (!m_original || !secondPage)
        return;
    secondPage->setAddress(m_original);
    secondPage->updateSaveButtons();
    m_registrationStack->setCurrentWidget(secondPage);
}

void UnknownRegPage::regUnknownCancelSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void UnknownRegPage::regUnknownBackSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void UnknownRegPage::keepUnknown()
{
    m_nextButton->setEnabled(true);
}

void UnknownRegPage::reenter()
{
    m_nextButton->setEnabled(true);
}
