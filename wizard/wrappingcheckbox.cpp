#include "wrappingcheckbox.h"

#include "accesskey.h"
#include "linebreaks.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

namespace {

// The "&" of the access key takes no room, whether the style underlines its
// letter or not.
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

WrappingCheckBox::WrappingCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    // Unlike a plain check box, it may be narrower than its text.
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize WrappingCheckBox::sizeHint() const
{
    // Windows size themselves by their hints, and a window sized for the
    // text in one line would be too short for it once it wraps.
    return minimumSizeHint();
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    // Wide enough for the text in two lines: half of it and the widest piece
    // that cannot be broken, which may not fit into the first line.
    const QString shown = withoutAccessKey(text());
    const int width = textIndent() + (fontMetrics().horizontalAdvance(shown) + 1) / 2
        + widestUnbreakable(shown, fontMetrics());
    return QSize(width, heightForWidth(width));
}

bool WrappingCheckBox::hasHeightForWidth() const
{
    return true;
}

int WrappingCheckBox::heightForWidth(int width) const
{
    if (const std::optional<int> known = m_heights.height(text(), font(), width))
        return *known;
    const int height = qMax(firstLineHeight(), textRect(width).bottom() + 1);
    m_heights.insert(text(), font(), width, height);
    return height;
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the indicator, with the focus frame, beside the first
    // line; the text is drawn beside it, wrapped.
    option.text.clear();
    option.rect.setHeight(firstLineHeight());
    painter.drawControl(QStyle::CE_CheckBox, option);
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
        ? Qt::TextShowMnemonic
        : Qt::TextHideMnemonic;
    painter.drawItemText(textRect(width()), (TextFlags & ~Qt::TextShowMnemonic) | mnemonic,
        palette(), isEnabled(), text(), QPalette::WindowText);
}

bool WrappingCheckBox::hitButton(const QPoint &pos) const
{
    // The box and its words count, the empty rest of the row does not: a
    // stray click there must not sign the user up for anything.
    if (QRect(0, 0, textIndent(), firstLineHeight()).contains(pos))
        return true;
    const QRect area = textRect(width());
    const qreal lineWidth = qMax(1, width() - textIndent());
    QTextLayout layout(withoutAccessKey(text()), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    bool onWords = false;
    qreal top = area.top();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        onWords = onWords
            || QRectF(area.left(), top, line.naturalTextWidth(), line.height()).contains(pos);
        top += line.height();
    }
    layout.endLayout();
    return onWords;
}

int WrappingCheckBox::textIndent() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this)
        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
}

int WrappingCheckBox::firstLineHeight() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return qMax(
        style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this), fontMetrics().height());
}

QRect WrappingCheckBox::textRect(int width) const
{
    const int top = (firstLineHeight() - fontMetrics().height()) / 2;
    const QRect available(textIndent(), top, qMax(1, width - textIndent()), QWIDGETSIZE_MAX / 2);
    return fontMetrics().boundingRect(available, TextFlags, text());
}
