#ifndef KVB_WRAPPEDLABEL_H
#define KVB_WRAPPEDLABEL_H

#include "textheightcache.h"

#include <QLabel>

// A label whose plain text wraps at word boundaries, and which answers the
// layouts' repeated questions about its height from what it measured before.
class WrappedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappedLabel(const QString &text = QString(), QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

private:
    mutable TextHeightCache m_heights;
};

#endif
