#include "choicebutton.h"

#include "plaintooltip.h"

ChoiceButton::ChoiceButton(const QString &placeholder, QWidget *parent)
    : QPushButton(parent)
    , m_placeholder(placeholder)
{
    setCaption(placeholder);
}

QString ChoiceButton::caption() const
{
    return text().replace(QLatin1String("&&"), QLatin1String("&"));
}

void ChoiceButton::setCaption(const QString &caption)
{
    setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    setPlainToolTip(this, caption);
}
