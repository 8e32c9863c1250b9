#include "statuslabel.h"

#include "wrappedlabel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

#include <array>

namespace {

// The icons of the kinds Information to Busy, loaded from the resource file
// when the first status line is built and shared by all of them. They are
// never freed, so that no pixmap outlives the application object.
const std::array<QPixmap, 5> &icons()
{
    static const auto *loaded = new std::array<QPixmap, 5> {{
        QPixmap(QStringLiteral(":/information.png")),
        QPixmap(QStringLiteral(":/check.png")),
        QPixmap(QStringLiteral(":/warning.png")),
        QPixmap(QStringLiteral(":/error.png")),
        QPixmap(QStringLiteral(":/clock.png")),
    }};
    return *loaded;
}

bool hasIcon(int kind)
{
    return kind >= StatusLabel::Information && kind <= StatusLabel::Busy;
}

} // namespace

StatusLabel::StatusLabel(const QString &text, int kind, QWidget *parent)
    : QWidget(parent)
    , m_iconLabel(new QLabel)
    , m_textLabel(new WrappedLabel)
    , m_box(new QHBoxLayout)
{
    const QPixmap &errorIcon = icons()[Error - 1];

    m_iconLabel->setObjectName(QStringLiteral("StatusIcon"));
    m_textLabel->setObjectName(QStringLiteral("StatusText"));
    QFont bold = m_textLabel->font();
    bold.setBold(true);
    m_textLabel->setFont(bold);

    // A transparent strip as tall as an icon keeps the line's height when it
    // has no icon or no text.
    QPixmap strut(1, errorIcon.height());
    strut.fill(Qt::transparent);
    auto *strutLabel = new QLabel;
    strutLabel->setPixmap(strut);

    m_box->setContentsMargins(0, 0, 0, 0);
    m_box->addWidget(m_iconLabel, 0, Qt::AlignTop);
    m_box->addWidget(m_textLabel, 1, Qt::AlignTop);
    m_box->addStretch();
    m_box->addWidget(strutLabel);
    setLayout(m_box);

    setMessage(text, kind);
}

void StatusLabel::setMessage(const QString &text, int kind)
{
    if (hasIcon(kind)) {
        m_iconLabel->setPixmap(icons()[kind - 1]);
        m_box->setSpacing(-1);
    } else {
        // Without an icon the text starts at the line's left edge.
        m_iconLabel->clear();
        m_box->setSpacing(0);
    }
    m_textLabel->setText(text);

    if (kind == Error)
        QApplication::beep();
    if (kind == Busy) {
        // On screen before the work that follows starts; the user's input
        // waits in the queue, where the page's BusyGuard drops it.
        repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void StatusLabel::clearMessage()
{
    setMessage(QString(), Plain);
}

QString StatusLabel::text() const
{
    return m_textLabel->text();
}
