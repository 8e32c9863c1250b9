#include "correctregpage.h"

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

CorrectRegPage::CorrectRegPage(QWidget *parent)
    : QWidget(parent)
{
    m_introLabel = new WrappedLabel(
        tr("We were unable to correct and standardize your contact information. In order to "
           "assist you better, we ask that you make any needed changes to your information "
           "below."));

    m_originalHeading = new QLabel(tr("Original:"));
    m_originalHeading->setFixedWidth(120);
    m_originalHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_correctedHeading = new QLabel(tr("Corrected:"));
    m_correctedHeading->setFixedWidth(120);
    m_correctedHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *headings = new QHBoxLayout;
    headings->addStretch();
    headings->addWidget(m_originalHeading);
    headings->addSpacing(40);
    headings->addWidget(m_correctedHeading);

    auto *frame = new QVBoxLayout;
    frame->setObjectName(QStringLiteral("RegCorFrame"));
    frame->setSpacing(2);
    frame->addLayout(headings);
    frame->addSpacing(10);
    for (int row = 0; row < AddressFields::RowCount; ++row)
        addCompareRow(frame, AddressFields::labelText(row), m_originalFields.fields[row],
            m_correctedFields.fields[row]);

    m_replaceButton
        = new QRadioButton(tr("Replace my original address with the corrected address."));
    m_keepButton = new QRadioButton(tr("Keep my original address"));
    m_reenterButton = new QRadioButton(tr("Let me re-enter my address"));
    // Assistive technology checks a choice without clicking it, so a choice
    // counts as soon as it is checked.
    connect(m_replaceButton, &QRadioButton::toggled, this, &CorrectRegPage::replace);
    connect(m_keepButton, &QRadioButton::toggled, this, &CorrectRegPage::keep);
    connect(m_reenterButton, &QRadioButton::toggled, this, &CorrectRegPage::reenter);

    auto *choices = new QVBoxLayout;
    choices->setSpacing(0);
    choices->addWidget(m_replaceButton, 1, Qt::AlignLeft | Qt::AlignVCenter);
    choices->addWidget(m_keepButton, 2, Qt::AlignLeft | Qt::AlignVCenter);
    choices->addWidget(m_reenterButton, 3, Qt::AlignLeft | Qt::AlignVCenter);

    auto *backButton = new QPushButton(tr("Back"));
    auto *cancelButton = new QPushButton(tr("Cancel"));
    m_nextButton = new QPushButton(tr("Next"));
    m_nextButton->setEnabled(false);
    connect(backButton, &QPushButton::clicked, this, &CorrectRegPage::regCorBackSignal);
    connect(cancelButton, &QPushButton::clicked, this, &CorrectRegPage::regCorCancelSignal);
    connect(m_nextButton, &QPushButton::clicked, this, &CorrectRegPage::regCorNextSignal);

    m_statusLabel = new StatusLabel;

    QVBoxLayout *layout = PageLayout::createColumn(this);
    layout->addWidget(m_introLabel);
    layout->addSpacing(40);
    layout->addLayout(PageLayout::centred(frame));
    layout->addLayout(PageLayout::centred(choices));
    layout->addLayout(PageLayout::buttonRow(backButton, {cancelButton, m_nextButton}));
    layout->addWidget(m_statusLabel);

    setWindowTitle(tr("Registration Step 2 of 3"));
    updateChoices();
}

void CorrectRegPage::setOriginal(QSharedPointer<AddressRecord> original)
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
    m_statusLabel->clearMessage();
    m_original = original;
    if (m_original)
        m_originalFields.show(*m_original);
    updateChoices();
}

void CorrectRegPage::setCorrected(QSharedPointer<AddressRecord> corrected)
{
    m_corrected = corrected;
    if (m_corrected)
        m_correctedFields.show(*m_corrected);
    updateChoices();
}

void CorrectRegPage::setUnreadable()
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
    // The addresses of an earlier round are no longer what the user entered.
    m_original.reset();
    m_corrected.reset();
    m_originalFields.show(AddressRecord());
    m_correctedFields.show(AddressRecord());
    m_statusLabel->setMessage(
        tr("The corrected address could not be read. Please re-enter your address."),
        StatusLabel::Warning);
    updateChoices();
}

void CorrectRegPage::showEvent(QShowEvent *event)
{
    // A corrected address too short to read brings the user here without
    // any address, and so without the stack, which the page needs all the
    // same to go back.
    m_registrationStack = ManageWidget::instance()->registrationStack();
    QWidget::showEvent(event);
}

void CorrectRegPage::regCorNextSignal()
{
    m_secondPage = qobject_cast<SecondRegPage *>(
        ManageWidget::findPage(m_registrationStack, ManageWidget::SecondPage));
    if (m_replaceButton->isChecked())
        handOver(m_corrected);
    else if (m_keepButton->isChecked())
        handOver(m_original);
    else
        ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void CorrectRegPage::regCorCancelSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void CorrectRegPage::regCorBackSignal()
{
    ManageWidget::showPage(m_registrationStack, ManageWidget::FirstPage);
}

void CorrectRegPage::replace()
{
    m_nextButton->setEnabled(true);
}

void CorrectRegPage::reenter()
{
    m_nextButton->setEnabled(true);
}

void CorrectRegPage::keep()
{
    m_nextButton->setEnabled(true);
}

void CorrectRegPage::addCompareRow(
    QVBoxLayout *frame, const QString &labelText, QLineEdit *&original, QLineEdit *&corrected)
{
    auto *label = new QLabel(labelText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Two fields share the row's label, so each also names the address it
    // shows; the label stays the buddy of the first.
    QString name = labelText;
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);

    original = new QLineEdit;
    original->setFixedWidth(120);
    original->setEnabled(false);
    original->setAccessibleName(tr("Original %1").arg(name));
    label->setBuddy(original);

    corrected = new QLineEdit;
    corrected->setFixedWidth(120);
    corrected->setEnabled(false);
    corrected->setAccessibleName(tr("Corrected %1").arg(name));

    auto *row = new QHBoxLayout;
    row->addWidget(label, 1);
    row->addWidget(original);
    row->addSpacing(40);
    row->addWidget(corrected);
    frame->addLayout(row);
}

void CorrectRegPage::updateChoices()
{
    // Without an address to hand over, the page has nothing that the
    // purchase page could register.
    m_replaceButton->setEnabled(!m_corrected.isNull());
    m_keepButton->setEnabled(!m_original.isNull());
    // A choice made in an earlier round that can no longer be made is
    // undone, and Next waits for a new one.
    for (QRadioButton *choice : {m_replaceButton, m_keepButton}) {
        if (choice->isChecked() && !choice->isEnabled()) {
            choice->setAutoExclusive(false);
            choice->setChecked(false);
            choice->setAutoExclusive(true);
            m_nextButton->setEnabled(false);
        }
    }
}

void CorrectRegPage::handOver(QSharedPointer<AddressRecord> address)
{
    // A choice whose address never reached this page leaves the user here.
    if (!address || !m_secondPage)
        return;
    m_secondPage->setAddress(address);
    m_secondPage->updateSaveButtons();
    m_registrationStack->setCurrentWidget(m_secondPage);
}
