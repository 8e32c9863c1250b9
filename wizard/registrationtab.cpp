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

RegistrationTab::RegistrationTab(EngineClientInterface *engine, QStackedWidget *pages)
    : QStackedWidget(nullptr)
{
    const bool recordFound = m_savedRecord.recordFound();

    // Each page is made on the stack that shows it: moved there later, it
    // would lay out its text a second time in the stack's font.
    m_firstPage = new FirstRegPage(m_savedRecord.firstPageRecord(), engine, pages);
    m_firstPage->setObjectName(ManageWidget::FirstPage);
    pages->addWidget(m_firstPage);
    if (recordFound)
        m_firstPage->fillFromRecord();

    m_correctPage = new CorrectRegPage(pages);
    m_correctPage->setObjectName(ManageWidget::CorrectPage);
    pages->addWidget(m_correctPage);

    m_unknownPage = new UnknownRegPage(pages);
    m_unknownPage->setObjectName(ManageWidget::UnknownPage);
    pages->addWidget(m_unknownPage);

    m_secondPage = new SecondRegPage(m_savedRecord.secondPageRecord(), engine, pages);
    m_secondPage->setObjectName(ManageWidget::SecondPage);
    if (recordFound)
        m_secondPage->fillFromRecord();
    pages->addWidget(m_secondPage);

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
