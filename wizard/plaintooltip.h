#ifndef KVB_PLAINTOOLTIP_H
#define KVB_PLAINTOOLTIP_H

#include <QString>

class QWidget;

// Shows text as the widget's tool tip, as the characters it holds. The
// toolkit draws a tool tip that looks like markup as rich text, and a name or
// an address from a file or the engine may look like anything: a reseller
// called "<h1>..." or "<img width=40000 ...>" must read as that, not be
// drawn. Screen readers take a widget's tool tip as its description where it
// has none, so the text becomes the description too. Empty text gives
// neither.
void setPlainToolTip(QWidget *widget, const QString &text);

#endif
