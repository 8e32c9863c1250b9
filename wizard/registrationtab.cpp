#include "registrationtab.h"

#include "correctregpage.h"
#include "firstregpage.h"
#include "managewidget.h"
#include "secondregpage.h"
#include "unknownregpage.h"

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
