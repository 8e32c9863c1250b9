#ifndef KVB_WIZARDPAGE_H
#define KVB_WIZARDPAGE_H

#include "managewidget.h"

#include <QPointer>
#include <QStackedWidget>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QLayout;
class QPushButton;
class QScrollArea;
class StatusLabel;

// A page of the registration wizard. Pages never hold each other: a page
// finds a sibling by its object name in the registration stack, which it
// takes from the page registry when it is handed the data it shows, and
// makes it current.
class WizardPage : public QWidget
{
    Q_OBJECT

public:
    explicit WizardPage(QWidget *parent = nullptr);
    ~WizardPage() override;

protected:
    // Lays the page out: body, whose margins are the page's, scrolls when the
    // window is smaller than it (large text on a small screen); below it the
    // row of buttons and the status line stay in view. Enter presses the
    // button that has the focus.
    void setPageLayout(QLayout *body, QLayout *buttons, StatusLabel *statusLine);

    // The status line that setPageLayout() was given.
    StatusLabel *statusLine() const { return m_statusLine; }

    // Runs work, which waits for the engine or the disk, with the page busy:
    // message in the status line, the wait cursor, buttons disabled and the
    // user's input to the window dropped (see BusyGuard). Then enables the
    // first of buttons again, the one pressed, with the focus if it had it.
    void whileBusy(const QString &message, std::initializer_list<QPushButton *> buttons,
        const std::function<void()> &work);

    // The control that has the focus when the page is entered.
    virtual QWidget *firstControl() const = 0;
    // The button that Enter in a field or on a choice presses, shown as the
    // page's default; none on a page where it would send something by
    // accident.
    virtual QPushButton *forwardButton() const { return nullptr; }

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // Takes the registration stack from the page registry, for the moves
    // that follow.
    void takeRegistrationStack();

    // The sibling called name, or null.
    template <typename Page> Page *sibling(const QString &name) const
    {
        return qobject_cast<Page *>(ManageWidget::findPage(m_registrationStack, name));
    }

    // Makes the sibling called name current; a name not found changes
    // nothing.
    void showPage(const QString &name) const;
    // Back and Cancel: straight to the contact page, whatever came before,
    // with nothing cleared.
    void returnToContactPage() const;

private:
    // Keeps the widget that takes the focus in the body in view.
    void showFocus(QWidget *focused);

    QPointer<QStackedWidget> m_registrationStack;
    QScrollArea *m_body = nullptr;
    StatusLabel *m_statusLine = nullptr;
};

#endif
