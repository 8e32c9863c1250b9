#include "choicebutton.h"

#include "accesskey.h"
#include "choicemenu.h"
#include "plaintooltip.h"

#include <QEvent>
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
    showCaption(placeholder);
}

void ChoiceButton::setChoice(const QString &value, const QString &caption)
{
    if (!m_unchosenValue.isEmpty() && value == m_unchosenValue) {
        clearChoice();
        return;
    }
    // A choice of an empty text is a choice all the same.
    m_value = value.isNull() ? QLatin1String("") : value;
    showCaption(caption.isNull() ? value : caption);
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
    showCaption(m_placeholder);
}

void ChoiceButton::showCaption(const QString &caption)
{
    m_caption = caption;
    setPlainToolTip(this, caption);
    showElided();
}

void ChoiceButton::fitToMenu()
{
    m_fitsMenu = true;
    // The menu's arrow came with the menu.
    m_chromeWidth = -1;
    m_textWidth = -1;
    updateGeometry();
    showElided();
}

QSize ChoiceButton::sizeHint() const
{
    return {chromeWidth() + textWidth(), QPushButton::sizeHint().height()};
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

void ChoiceButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_chromeWidth = -1;
        m_textWidth = -1;
    }
    QPushButton::changeEvent(event);
}

int ChoiceButton::chromeWidth() const
{
    if (m_chromeWidth < 0 || m_chromeWithMenu != (menu() != nullptr)) {
        m_chromeWithMenu = menu() != nullptr;
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        const int indicator
            = menu() ? style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this) : 0;
        m_chromeWidth = style()
                            ->sizeFromContents(QStyle::CT_PushButton, &option,
                                QSize(indicator, fontMetrics().height()), this)
                            .width();
    }
    return m_chromeWidth;
}

int ChoiceButton::textWidth() const
{
    if (m_textWidth < 0) {
        const QFontMetrics metrics = fontMetrics();
        m_textWidth = metrics.horizontalAdvance(m_placeholder);
        if (m_fitsMenu && menu()) {
            for (const QAction *item : menu()->actions())
                m_textWidth
                    = qMax(m_textWidth, metrics.horizontalAdvance(withoutAccessKey(item->text())));
        } else {
            m_textWidth = qMax(m_textWidth, metrics.averageCharWidth() * 20);
        }
    }
    return m_textWidth;
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
