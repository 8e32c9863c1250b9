#include "choicebutton.h"

#include "accesskey.h"
#include "choicemenu.h"
#include "plaintooltip.h"

#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>

ChoiceButton::ChoiceButton(
    const QString &placeholder, const QString &unchosenValue, QWidget *parent)
    : QPushButton(parent)
    , m_placeholder(placeholder)
    , m_unchosenValue(unchosenValue)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    show(placeholder);
}

void ChoiceButton::setChoice(const QString &value, const QString &caption)
{
    if (!m_unchosenValue.isEmpty() && value == m_unchosenValue) {
        clearChoice();
        return;
    }
    // A choice of an empty text is a choice all the same.
    m_value = value.isNull() ? QLatin1String("") : value;
    show(caption.isNull() ? value : caption);
}

void ChoiceButton::setValue(const QString &value)
{
    const QList<QAction *> items = menu() ? menu()->actions() : QList<QAction *>();
    for (const QAction *item : items) {
        if (ChoiceMenu::valueOf(item) == value) {
            setChoice(value, withoutAccessKey(item->text()));
            return;
        }
    }
    setChoice(value);
}

void ChoiceButton::clearChoice()
{
    m_value = QString();
    show(m_placeholder);
}

void ChoiceButton::show(const QString &caption)
{
    m_caption = caption;
    setPlainToolTip(this, caption);
    showElided();
}

QSize ChoiceButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    int widest = qMax(metrics.horizontalAdvance(m_placeholder), metrics.averageCharWidth() * 20);
    if (menu() && !menu()->isEmpty()) {
        widest = metrics.horizontalAdvance(m_placeholder);
        for (const QAction *item : menu()->actions())
            widest = qMax(widest, metrics.horizontalAdvance(withoutAccessKey(item->text())));
    }
    return {chromeWidth() + widest, QPushButton::sizeHint().height()};
}

QSize ChoiceButton::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return {
        qMin(hint.width(), chromeWidth() + fontMetrics().averageCharWidth() * 8), hint.height()};
}

void ChoiceButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    showElided();
}

int ChoiceButton::chromeWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const int indicator
        = menu() ? style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this) : 0;
    return style()
        ->sizeFromContents(
            QStyle::CT_PushButton, &option, QSize(indicator, fontMetrics().height()), this)
        .width();
}

void ChoiceButton::showElided()
{
    // The whole caption stays in the tool tip and the description.
    const int room = width() - chromeWidth();
    const QString shown = room <= 0 || fontMetrics().horizontalAdvance(m_caption) <= room
        ? m_caption
        : fontMetrics().elidedText(m_caption, Qt::ElideRight, room);
    setText(literalCaption(shown));
}
