#ifndef KVB_TEST_WIZARDSTACK_H
#define KVB_TEST_WIZARDSTACK_H

#include "wizard/managewidget.h"
#include "wizard/registrationtab.h"
#include "wizard/secondregpage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QStackedWidget>

// The wizard's four pages on a stack, as the main window puts them together,
// so that the pages find each other through it.
struct WizardStack
{
    WizardStack()
    {
        for (QWidget *page :
            {tab.firstRegPage(), tab.correctRegPage(), tab.unknownRegPage(), tab.secondRegPage()})
            stack.addWidget(page);
        ManageWidget::instance()->setRegistrationStack(&stack);
    }

    SecondRegPage *secondPage() const { return qobject_cast<SecondRegPage *>(tab.secondRegPage()); }

    RegistrationTab tab;
    QStackedWidget stack;
};

// The button of page that shows text, as a user finds it.
inline QAbstractButton *buttonWithText(QWidget *page, const QString &text)
{
    for (QAbstractButton *candidate : page->findChildren<QAbstractButton *>())
        if (candidate->text() == text)
            return candidate;
    qFatal("No button %s", qPrintable(text));
}

// Queues a click on widget, as the window system queues one that the user
// makes while the program is busy.
inline void postClick(QWidget *widget)
{
    const QPointF centre = widget->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            widget, new QMouseEvent(type, centre, centre, Qt::LeftButton, Qt::LeftButton, {}));
}

#endif
