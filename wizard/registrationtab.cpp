#include "registrationtab.h"

#include "correctregpage.h"
#include "firstregpage.h"
#include "managewidget.h"
#include "secondregpage.h"
#include "unknownregpage.h"

#include "regdata/recordfield.h"
#include "regdata/registrationnote.h"
#include "regdata/savereginfo.h"

#include <QMessageBox>

RegistrationTab::RegistrationTab(EngineClientInterface *engine)
    : QStackedWidget(nullptr)
    , m_creationStack(std::make_unique<QStackedWidget>())
{
    const bool recordFound = m_savedRecord.recordFound();

    m_firstPage = new FirstRegPage(m_savedRecord.firstPageRecord(), engine);
    m_firstPage->setObjectName(ManageWidget::FirstPage);
    m_creationStack->addWidget(m_firstPage);
    if (recordFound)
        m_firstPage->fillFromRecord();

    m_correctPage = new CorrectRegPage;
    m_correctPage->setObjectName(ManageWidget::CorrectPage);
    m_creationStack->addWidget(m_correctPage);

    m_unknownPage = new UnknownRegPage;
    m_unknownPage->setObjectName(ManageWidget::UnknownPage);
    m_creationStack->addWidget(m_unknownPage);

    m_secondPage = new SecondRegPage(m_savedRecord.secondPageRecord(), engine);
    m_secondPage->setObjectName(ManageWidget::SecondPage);
    if (recordFound)
        m_secondPage->fillFromRecord();
    m_creationStack->addWidget(m_secondPage);

    const QDate registered = RegistrationNote::read();
    if (registered.isValid())
        m_firstPage->setRegisteredOn(registered);
}

bool RegistrationTab::mayClose(QWidget *window)
{
    if (m_secondPage->isRegistering())
        return false;
    if (!detailsChanged())
        return true;

    QMessageBox question(QMessageBox::Question, QStringLiteral("KVB"),
        tr("Keep the details you entered for the next time?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    question.setInformativeText(
        tr("They are kept on this computer only. Nothing is sent to the maker."));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save: {
        const RegistrationRecord held = heldRecord();
        if (SaveRegInfo(&held.firstPage, &held.secondPage).save())
            return true;
        QMessageBox::warning(window, QStringLiteral("KVB"), tr("Failed to save registration data."),
            QMessageBox::Ok);
        return false;
    }
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

RegistrationRecord RegistrationTab::heldRecord() const
{
    if (m_secondPage->hasAddress() && !m_firstPage->changedSinceNext())
        return m_secondPage->record();
    return m_secondPage->record(m_firstPage->contact(), m_firstPage->address());
}

bool RegistrationTab::detailsChanged() const
{
    // The saved choices as a purchase page shows them, so that a choice the
    // page cannot show (a month misspelt) and one never made compare alike.
    ReadRegInfo saved;
    SecondRegPage savedChoices(saved.secondPageRecord(), nullptr);
    if (saved.recordFound())
        savedChoices.fillFromRecord();
    const RegistrationRecord held = heldRecord();
    return !sameFields(held.firstPage, *saved.firstPageRecord())
        || !sameFields(held.secondPage, savedChoices.record().secondPage);
}

RegistrationTab::~RegistrationTab() = default;

QWidget *RegistrationTab::firstRegPage() const
{
    return m_firstPage;
}

QWidget *RegistrationTab::correctRegPage() const
{
    return m_correctPage;
}

QWidget *RegistrationTab::unknownRegPage() const
{
    return m_unknownPage;
}

QWidget *RegistrationTab::secondRegPage() const
{
    return m_secondPage;
}
