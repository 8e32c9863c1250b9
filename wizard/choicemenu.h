#ifndef KVB_CHOICEMENU_H
#define KVB_CHOICEMENU_H

#include <QElapsedTimer>
#include <QMenu>

class ChoiceButton;

// The pop-up menu of a choice button, for a keyboard as much as a pointer:
// it opens with the button's current choice highlighted, and typing moves to
// the first item whose caption starts with what was typed within the last
// second, whatever the letters' case ("3", "1" reaches 31; "ma" reaches
// March, or März).
class ChoiceMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ChoiceMenu(ChoiceButton *button);

    // Adds an item for value, shown as caption, or as the value itself.
    QAction *addChoice(const QString &value, const QString &caption = QString());

    // The value an item stands for.
    static QString valueOf(const QAction *item);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The first item whose caption starts with text, or null.
    QAction *itemStartingWith(const QString &text) const;

    ChoiceButton *m_button;
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};

#endif
