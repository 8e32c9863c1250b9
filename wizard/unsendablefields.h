#ifndef KVB_UNSENDABLEFIELDS_H
#define KVB_UNSENDABLEFIELDS_H

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QLineEdit;
class QWidget;
class StatusLabel;

// The text fields of a page whose text goes to the maker's service, which
// takes Latin-1 alone: every other character arrives there as "?". While a
// field holds such characters it carries a warning sign, and a description
// for screen readers, and the page's status line names the fields. A send
// asks confirm() first: the first time with these texts it warns and puts
// the focus on the first such field; asked again with nothing changed, it
// lets the send go.
class UnsendableFields : public QObject
{
    Q_OBJECT

public:
    // sendAgain is the sentence that tells, once the user was warned, how
    // to send all the same: "Press Next again ...".
    UnsendableFields(StatusLabel *statusLine, const QString &sendAgain, QObject *parent = nullptr);

    // Watches field, which name names in the status line.
    void watch(QLineEdit *field, const QString &name);
    // Shows widget while a field holds such characters, and hides it else.
    void showWhileUnsendable(QWidget *widget);

    // Whether the send may go; false after warning.
    bool confirm();

    // Marks the fields and says so in the status line, as their texts are
    // now and as far as they are shown; clears the line's message when it was this one and no field
    // holds such characters any more.
    void update();

private:
    struct Field
    {
        QLineEdit *edit;
        QString name;
        QAction *mark;
    };

    static bool losesCharacters(const Field &field);
    QList<const Field *> unsendable() const;
    QStringList texts() const;

    StatusLabel *m_statusLine;
    QString m_sendAgain;
    QWidget *m_shownWhileUnsendable = nullptr;
    // One picture, read once, for every field's mark.
    QIcon m_markIcon;
    QList<Field> m_fields;
    QString m_message;
    // The texts the user was warned about and may send all the same.
    QStringList m_confirmed;
};

#endif
