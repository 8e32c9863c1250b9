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

private:
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
