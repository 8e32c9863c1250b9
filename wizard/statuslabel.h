#ifndef KVB_STATUSLABEL_H
#define KVB_STATUSLABEL_H

#include <QWidget>

class QHBoxLayout;
class QLabel;

// The message line at the foot of every page: a bold text with an icon that
// tells its kind. It is the only way the wizard tells the user anything.
class StatusLabel : public QWidget
{
    Q_OBJECT

public:
    // Any other kind shows the text without an icon.
    enum Kind
    {
        Plain = 0,
        Information = 1,
        Success = 2,
        Warning = 3,
        Error = 4,
        Busy = 5
    };

    explicit StatusLabel(
        const QString &text = QString(), int kind = Plain, QWidget *parent = nullptr);

    // An error also beeps. A busy message is painted before this returns, so
    // that it is on screen while the caller blocks.
    void setMessage(const QString &text, int kind);
    void clearMessage();

    QString text() const;

private:
    QLabel *m_iconLabel;
    QLabel *m_textLabel;
    QHBoxLayout *m_box;
};

#endif
