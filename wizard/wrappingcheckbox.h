#ifndef KVB_WRAPPINGCHECKBOX_H
#define KVB_WRAPPINGCHECKBOX_H

#include "textheightcache.h"

#include <QCheckBox>

// A check box whose text wraps onto further lines when the box is narrower
// than the text, as a word-wrapped label does, so that a long question fits
// a small window whole. The text stays the box's own, for screen readers, and
// a click on the box or on any line of its text toggles it.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit WrappingCheckBox(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    // The width of the indicator and the gap after it.
    int textIndent() const;
    // The height of the first line, which the indicator shares.
    int firstLineHeight() const;
    QRect textRect(int width) const;

    mutable TextHeightCache m_heights;
};

#endif
