#ifndef KVB_CHOICEBUTTON_H
#define KVB_CHOICEBUTTON_H

#include <QPushButton>

// A push button that shows a choice the user made, from its menu or a list:
// a country, a region, a reseller, a month. Until then it shows its
// placeholder.
//
// What is saved and sent is the choice's value, which stays as the maker's
// lists and catalogues give it, in every language; the caption shows it to
// the user, translated where the program can (a month, a country). A choice
// not yet made has the value given for it ("Month", which a record has
// always kept for a month not chosen), or none.
//
// The caption is shown as it stands, "&" included, rather than as a keyboard
// shortcut, and the whole of it is also the tool tip and the accessible
// description, so that a button named after its question tells the choice.
class ChoiceButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ChoiceButton(const QString &placeholder, const QString &unchosenValue = QString(),
        QWidget *parent = nullptr);

    // The value chosen, or the unchosen value while there is no choice.
    QString value() const { return m_value.isNull() ? m_unchosenValue : m_value; }
    // What the button shows.
    QString caption() const { return m_caption; }
    bool isChosen() const { return !m_value.isNull(); }

    // Makes value the choice, shown as caption, or as the value itself
    // without one. The unchosen value, where there is one, clears the
    // choice.
    void setChoice(const QString &value, const QString &caption = QString());
    // Makes value the choice, shown as the button's menu shows it, or as the
    // value itself where no item of the menu has it.
    void setValue(const QString &value);
    // Shows the placeholder again.
    void clearChoice();

    // Makes the button as wide as the widest of its placeholder and its
    // menu's items, so that the page keeps its layout from one choice to the
    // next; call it once the menu holds its items. Without it a button,
    // whose choices are names from a file, has room for 20 characters. A
    // narrower button shows the start of its caption and an ellipsis.
    void fitToMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showCaption(const QString &caption);
    // The room the button takes beside its text, and the width of the
    // widest text it is to have room for; worked out once for each font.
    int chromeWidth() const;
    int textWidth() const;
    void showElided();

    QString m_placeholder;
    QString m_unchosenValue;
    QString m_value;
    QString m_caption;
    bool m_fitsMenu = false;
    mutable int m_chromeWidth = -1;
    mutable bool m_chromeWithMenu = false;
    mutable int m_textWidth = -1;
};

#endif
