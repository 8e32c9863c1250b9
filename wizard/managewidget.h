#ifndef KVB_MANAGEWIDGET_H
#define KVB_MANAGEWIDGET_H

#include <QPointer>
#include <QWidget>

class QStackedWidget;

// The process-wide page registry: it knows the stack that shows the wizard,
// so that a page can find its siblings there by object name without holding
// them. It is never shown.
class ManageWidget : public QWidget
{
    Q_OBJECT

public:
    // The object names by which the pages find each other.
    static constexpr QLatin1String FirstPage {"FirstRegPage"};
    static constexpr QLatin1String CorrectPage {"CorrectRegPage"};
    static constexpr QLatin1String UnknownPage {"UnknownRegPage"};
    static constexpr QLatin1String SecondPage {"SecondRegPage"};

    // The one registry, made on first use; it lives until the process ends.
    static ManageWidget *instance();

    void setRegistrationStack(QStackedWidget *stack);
    QStackedWidget *registrationStack() const;

    // The first page of stack, from index 0, whose object name is exactly
    // name (case matters), or null.
    static QWidget *findPage(const QStackedWidget *stack, const QString &name);

private:
    ManageWidget();

    QPointer<QStackedWidget> m_registrationStack;
};

#endif
