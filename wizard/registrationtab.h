#ifndef KVB_REGISTRATIONTAB_H
#define KVB_REGISTRATIONTAB_H

#include "regdata/readreginfo.h"

#include <QStackedWidget>

#include <memory>

class CorrectRegPage;
class EngineClientInterface;
class FirstRegPage;
class SecondRegPage;
class UnknownRegPage;

// Builds the wizard: reads the saved registration once, creates the four
// pages with the object names by which they find each other, and fills the
// two form pages when a registration was saved. The window that shows the
// pages takes them through the accessors; the controller itself is never
// shown.
//
// The controller keeps the saved record that the two form pages point into,
// so it must outlive them. The pages reach the engine through engine, which
// must outlive them too.
class RegistrationTab : public QStackedWidget
{
    Q_OBJECT

public:
    explicit RegistrationTab(EngineClientInterface *engine);
    ~RegistrationTab() override;

    QWidget *firstRegPage() const;
    QWidget *correctRegPage() const;
    QWidget *unknownRegPage() const;
    QWidget *secondRegPage() const;

    // Whether the window that shows the pages may close. While a
    // registration is being sent it may not. When the pages hold details
    // that differ from the saved record, the user is asked, in a dialog over
    // window, whether to keep them for next time, to throw them away or to
    // go back to them; kept, they are saved as Save does.
    bool mayClose(QWidget *window);

private:
    // The record that the pages hold: that of the purchase page, or, while
    // the contact page holds what it has not sent on, the contact page's
    // details with the purchase page's choices.
    RegistrationRecord heldRecord() const;
    bool detailsChanged() const;
    ReadRegInfo m_savedRecord;
    // Holds the pages until a window takes them, and frees the ones it
    // never took.
    std::unique_ptr<QStackedWidget> m_creationStack;
    FirstRegPage *m_firstPage;
    CorrectRegPage *m_correctPage;
    UnknownRegPage *m_unknownPage;
    SecondRegPage *m_secondPage;
};

#endif
