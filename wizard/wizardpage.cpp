#include "wizardpage.h"

#include "busyguard.h"
#include "statuslabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// A scroll area that asks for room for all of its page, where a plain one
// asks for no more than a few dozen lines: the window gives it what it can,
// and only what is left over scrolls.
class PageScrollArea : public QScrollArea
{
public:
    explicit PageScrollArea(QWidget *page)
    {
        setWidget(page);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        // The page's own background shows through.
        viewport()->setAutoFillBackground(false);
        page->setAutoFillBackground(false);
    }

    QSize sizeHint() const override { return widget()->sizeHint(); }
};

} // namespace

WizardPage::WizardPage(QWidget *parent)
    : QWidget(parent)
{
    connect(qApp, &QApplication::focusChanged, this,
        [this](QWidget *, QWidget *focused) { showFocus(focused); });
}

WizardPage::~WizardPage()
{
    // Deleting the page's children moves the focus; by then this is no
    // longer a page to keep it in view.
    disconnect(qApp, nullptr, this, nullptr);
}

void WizardPage::setPageLayout(QLayout *body, QLayout *buttons, StatusLabel *statusLine)
{
    m_statusLine = statusLine;
    const QMargins margins = body->contentsMargins();
    body->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
    // Laid out only once it is in its scroll area, the page is laid out
    // once, when it is first shown, rather than also on entering the area.
    auto *content = new QWidget;
    m_body = new PageScrollArea(content);
    content->setLayout(body);

    auto *footer = new QVBoxLayout;
    footer->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
    footer->setSpacing(body->spacing());
    footer->addLayout(buttons);
    footer->addWidget(statusLine);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(body->spacing());
    page->addWidget(m_body, 1);
    page->addLayout(footer);

    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(true);
    if (QPushButton *forward = forwardButton())
        forward->setDefault(true);
}

void WizardPage::whileBusy(const QString &message, std::initializer_list<QPushButton *> buttons,
    const std::function<void()> &work)
{
    const BusyGuard busy(this);
    QPushButton *pressed = *buttons.begin();
    // Disabling the button takes the focus from it; it gets it back after.
    const bool hadFocus = pressed->hasFocus();
    m_statusLine->setMessage(message, StatusLabel::Busy);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    for (QPushButton *button : buttons)
        button->setEnabled(false);
    work();
    QGuiApplication::restoreOverrideCursor();
    pressed->setEnabled(true);
    if (hadFocus)
        pressed->setFocus();
}

void WizardPage::showEvent(QShowEvent *event)
{
    // Shown again after being minimised, the page keeps the user's place.
    if (!event->spontaneous())
        firstControl()->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void WizardPage::keyPressEvent(QKeyEvent *event)
{
    // Fields and choices leave Enter to their page; a focused button takes
    // it itself.
    QPushButton *forward = forwardButton();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && forward && forward->isEnabled())
        forward->click();
    else
        QWidget::keyPressEvent(event);
}

void WizardPage::showFocus(QWidget *focused)
{
    // A label's access key or a page's first control may lie where the
    // page is scrolled away.
    if (m_body && focused && m_body->widget()->isAncestorOf(focused))
        m_body->ensureWidgetVisible(focused);
}

void WizardPage::takeRegistrationStack()
{
    m_registrationStack = ManageWidget::instance()->registrationStack();
}

void WizardPage::showPage(const QString &name) const
{
    if (QWidget *page = ManageWidget::findPage(m_registrationStack, name))
        m_registrationStack->setCurrentWidget(page);
}

void WizardPage::returnToContactPage() const
{
    showPage(ManageWidget::FirstPage);
}
