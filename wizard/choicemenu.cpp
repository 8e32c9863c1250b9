#include "choicemenu.h"

#include "accesskey.h"
#include "choicebutton.h"

#include <QKeyEvent>

namespace {

// How long typed letters add up to one search.
constexpr int TypingInterval = 1000;

} // namespace

ChoiceMenu::ChoiceMenu(ChoiceButton *button)
    : QMenu(button)
    , m_button(button)
{ }

QAction *ChoiceMenu::addChoice(const QString &value, const QString &caption)
{
    QAction *item = addAction(literalCaption(caption.isNull() ? value : caption));
    item->setData(value);
    return item;
}

QString ChoiceMenu::valueOf(const QAction *item)
{
    return item->data().isValid() ? item->data().toString() : withoutAccessKey(item->text());
}

void ChoiceMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);
    m_typed.clear();
    const QList<QAction *> items = actions();
    for (QAction *item : items) {
        if (m_button->isChosen() && valueOf(item) == m_button->value()) {
            setActiveAction(item);
            break;
        }
    }
}

void ChoiceMenu::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed) {
        QMenu::keyPressEvent(event);
        return;
    }
    if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > TypingInterval)
        m_typed.clear();
    m_sinceTyped.start();
    m_typed += text;
    // A letter that continues no item starts a search of its own.
    QAction *item = itemStartingWith(m_typed);
    if (!item && m_typed.size() > 1) {
        m_typed = text;
        item = itemStartingWith(m_typed);
    }
    if (item)
        setActiveAction(item);
    event->accept();
}

QAction *ChoiceMenu::itemStartingWith(const QString &text) const
{
    const QList<QAction *> items = actions();
    for (QAction *item : items) {
        if (item->isEnabled() && item->isVisible() && !item->isSeparator()
            && withoutAccessKey(item->text()).startsWith(text, Qt::CaseInsensitive))
            return item;
    }
    return nullptr;
}
