#include "managewidget.h"

#include <QStackedWidget>

ManageWidget::ManageWidget()
    : QWidget(nullptr)
{ }

ManageWidget *ManageWidget::instance()
{
    // Never freed: pages may look up the stack until the very end.
    static ManageWidget *const registry = new ManageWidget;
    return registry;
}

void ManageWidget::setRegistrationStack(QStackedWidget *stack)
{
    m_registrationStack = stack;
}

QStackedWidget *ManageWidget::registrationStack() const
{
    return m_registrationStack;
}

QWidget *ManageWidget::findPage(const QStackedWidget *stack, const QString &name)
{
    if (!stack)
        return nullptr;
    for (int index = 0; index < stack->count(); ++index) {
        QWidget *page = stack->widget(index);
        if (page->objectName() == name)
            return page;
    }
    return nullptr;
}
