#include "plaintooltip.h"

#include <QTextDocument>
#include <QWidget>

void setPlainToolTip(QWidget *widget, const QString &text)
{
    // As escaped rich text, every character, spaces included, stands as it is.
    widget->setToolTip(
        text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
    widget->setAccessibleDescription(text);
}
