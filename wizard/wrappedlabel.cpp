#include "wrappedlabel.h"

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    // Messages may quote what the user typed, which must not be read as markup.
    setTextFormat(Qt::PlainText);
}

int WrappedLabel::heightForWidth(int width) const
{
    if (const std::optional<int> known = m_heights.height(text(), font(), width))
        return *known;
    const int height = QLabel::heightForWidth(width);
    m_heights.insert(text(), font(), width, height);
    return height;
}
