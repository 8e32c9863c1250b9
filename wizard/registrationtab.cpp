#include "registrationtab.h"

#include "correctregpage.h"
#include "firstregpage.h"
#include "managewidget.h"
#include "secondregpage.h"
#include "unknownregpage.h"

#include "regdata/countrynames.h"
#include "regdata/presets.h"
#include "regdata/purchasechoices.h"
#include "regdata/readreginfo.h"
#include "regdata/recordfield.h"
#include "regdata/registrationnote.h"
#include "regdata/savereginfo.h"
#include "regdata/xmlregstruct.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

RegistrationTab::RegistrationTab(EngineClientInterface *engine, QStackedWidget *pages)
    : QStackedWidget(nullptr)
{
    const ReadRegInfo saved;
    // Without a saved record, the pages start from what an administrator
    // preset.
    const RegistrationRecord presets
        = saved.recordFound() ? RegistrationRecord() : Presets::defaults();

    // Each page is made on the stack that shows it: moved there later, it
    // would lay out its text a second time in the stack's font.
    m_firstPage = new FirstRegPage(saved.record().firstPage, engine, pages);
    m_firstPage->setObjectName(ManageWidget::FirstPage);
    pages->addWidget(m_firstPage);
    if (saved.recordFound())
        m_firstPage->fillFromRecord();
    else
        m_firstPage->fillFromPresets(presets.firstPage);

    m_correctPage = new CorrectRegPage(pages);
    m_correctPage->setObjectName(ManageWidget::CorrectPage);
    pages->addWidget(m_correctPage);

    m_unknownPage = new UnknownRegPage(pages);
    m_unknownPage->setObjectName(ManageWidget::UnknownPage);
    pages->addWidget(m_unknownPage);

    m_secondPage = new SecondRegPage(saved.record().secondPage, engine, pages);
    m_secondPage->setObjectName(ManageWidget::SecondPage);
    if (saved.recordFound())
        m_secondPage->fillFromRecord();
    else
        m_secondPage->fillFromPresets(presets.secondPage);
    pages->addWidget(m_secondPage);
    // Closing compares the pages with this while no record is saved.
    m_unsavedDetails = saved.recordFound()
        ? RegistrationRecord {FirstPageRecord(), PurchaseChoices::unchosen()}
        : heldRecord();

    bool noteRefused = false;
    const QDate registered = RegistrationNote::read(&noteRefused);
    if (saved.recordRefused())
        m_firstPage->setRecordRefused();
    else if (noteRefused)
        m_firstPage->setNoteRefused();
    else if (registered.isValid())
        m_firstPage->setRegisteredOn(registered);
    else if (saved.recordFound())
        m_firstPage->setNotRegistered();
}

void RegistrationTab::setEngineMissing(const QString &library)
{
    // Without a folder, the system looks for it where the program is.
    const QFileInfo file(library.contains(QLatin1Char('/')) || library.contains(QLatin1Char('\\'))
            ? library
            : QCoreApplication::applicationDirPath() + QLatin1Char('/') + library);
    const QString message = tr("KVB cannot reach the maker: the engine library %1 is missing "
                               "from %2. This installation is incomplete; please install KVB "
                               "again.")
                                .arg(file.fileName(), QDir::toNativeSeparators(file.path()));
    m_firstPage->setEngineMissing(message);
    m_secondPage->setEngineMissing(message);
}

RegistrationTab::~RegistrationTab() = default;

QWidget *RegistrationTab::firstRegPage() const
{
    return m_firstPage;
}

void RegistrationTab::readCataloguesAhead()
{
    const XMLRegStruct catalogue;
    CountryNames::preload();
    m_firstPage->showCountryAsListed(catalogue);
}

bool RegistrationTab::mayClose(QWidget *window)
{
    if (m_secondPage->isRegistering())
        return m_secondPage->closeWhenAnswered(m_answerTimeout);
    if (!detailsChanged())
        return true;
    switch (askToKeepDetails(window)) {
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

int RegistrationTab::askToKeepDetails(QWidget *window) const
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("KVB"),
        tr("Keep the details you entered for the next time?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    question.setInformativeText(m_firstPage->isChecking()
            ? tr("They are kept on this computer only. Your address is with the maker's "
                 "address check right now; closing does not call it back.")
            : tr("They are kept on this computer only. Nothing is sent to the maker."));
    question.setDefaultButton(QMessageBox::Save);
    // The question is answered with the arrow, while the address check
    // keeps the wait cursor.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    const int answer = question.exec();
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    return answer;
}

RegistrationRecord RegistrationTab::heldRecord() const
{
    if (m_secondPage->hasAddress() && !m_firstPage->changedSinceNext())
        return m_secondPage->record();
    return m_secondPage->record(m_firstPage->contact(), m_firstPage->address());
}

bool RegistrationTab::detailsChanged() const
{
    const RegistrationRecord held = heldRecord();
    const auto same = [&held](const RegistrationRecord &kept) {
        return sameFields(held.firstPage, kept.firstPage)
            && sameFields(held.secondPage, kept.secondPage);
    };
    // The file as it is now: a save since the start has changed it. The
    // pages show a saved record tidied, and keep it as it was where the
    // user changed nothing.
    const ReadRegInfo saved;
    if (!saved.recordFound())
        return !same(m_unsavedDetails);
    return !same(saved.record())
        && !same({saved.record().firstPage, PurchaseChoices::tidied(saved.record().secondPage)});
}
