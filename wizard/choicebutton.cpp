#include "choicebutton.h"

#include "accesskey.h"
#include "plaintooltip.h"

ChoiceButton::ChoiceButton(const QString &placeholder, QWidget *parent)
    : QPushButton(parent)
    , m_placeholder(placeholder)
{
    setCaption(placeholder);
}

QString ChoiceButton::caption() const
{
    return withoutAccessKey(text());
}

void ChoiceButton::setCaption(const QString &caption)
{
    setText(literalCaption(caption));
    setPlainToolTip(this, caption);
}
