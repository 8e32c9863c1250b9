#ifndef KVB_WIZARDPAGE_H
#define KVB_WIZARDPAGE_H

#include "managewidget.h"

#include <QPointer>
#include <QStackedWidget>
#include <QWidget>

// A page of the registration wizard. Pages never hold each other: a page
// finds a sibling by its object name in the registration stack, which it
// takes from the page registry when it is handed the data it shows, and
// makes it current.
class WizardPage : public QWidget
{
    Q_OBJECT

public:
    explicit WizardPage(QWidget *parent = nullptr);

protected:
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
    QPointer<QStackedWidget> m_registrationStack;
};

#endif
