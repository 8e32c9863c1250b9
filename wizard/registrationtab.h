#ifndef KVB_REGISTRATIONTAB_H
#define KVB_REGISTRATIONTAB_H

#include "regdata/registrationrecord.h"

#include <QStackedWidget>

class CorrectRegPage;
class EngineClientInterface;
class FirstRegPage;
class SecondRegPage;
class UnknownRegPage;

// Builds the wizard: reads the saved registration once, creates the four
// pages on the stack that shows them, with the object names by which they
// find each other, and fills the two form pages when a registration was
// saved, or else from the presets. The controller itself is never shown.
//
// The pages reach the engine through engine, which must outlive them.
class RegistrationTab : public QStackedWidget
{
    Q_OBJECT

public:
    // Adds the pages to pages, the first of them current; pages must be
    // empty.
    RegistrationTab(EngineClientInterface *engine, QStackedWidget *pages);
    ~RegistrationTab() override;

    QWidget *firstRegPage() const;

    // Whether the window that shows the pages may close. While a
    // registration is being sent it closes once the maker answers, or after
    // a while without an answer, or when it is closed a second time. When
    // the pages hold details that differ from the saved record, the user is
    // asked, in a dialog over window, whether to keep them for next time, to
    // throw them away or to go back to them; kept, they are saved as Save
    // does.
    bool mayClose(QWidget *window);
    // Reads the country catalogue and the countries' names in the user's
    // language, which the window waits for neither at start nor later, and
    // shows the saved country by the name that the country list gives it.
    void readCataloguesAhead();

    // How long a registration may keep a window that was closed, in
    // milliseconds.
    static constexpr int AnswerTimeout = 30000;
    void setAnswerTimeout(int milliseconds) { m_answerTimeout = milliseconds; }

    // The engine library at library could not be loaded; the pages say so.
    void setEngineMissing(const QString &library);

private:
    // The record that the pages hold: that of the purchase page, or, while
    // the contact page holds what it has not sent on, the contact page's
    // details with the purchase page's choices.
    RegistrationRecord heldRecord() const;
    // Whether that record differs from the saved one, as it was saved and
    // as the pages show it.
    bool detailsChanged() const;
    // Asks, in a dialog over window, whether to keep the details; returns
    // the button pressed.
    int askToKeepDetails(QWidget *window) const;

    FirstRegPage *m_firstPage;
    CorrectRegPage *m_correctPage;
    UnknownRegPage *m_unknownPage;
    SecondRegPage *m_secondPage;
    int m_answerTimeout = AnswerTimeout;
    // The details of a start without a saved record: empty, or the presets.
    RegistrationRecord m_unsavedDetails;
};

#endif
