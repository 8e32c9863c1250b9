#ifndef KVB_CHOICEBUTTON_H
#define KVB_CHOICEBUTTON_H

#include <QPushButton>

// A push button whose caption is a choice the user made, from its menu or a
// list: a country, a region, a reseller, a month. Until then it shows its
// placeholder.
//
// The caption is shown as it stands, "&" included, rather than as a keyboard
// shortcut, and since a fixed width may cut it off, the whole of it is also
// the tool tip and the accessible description, so that a button named after
// its question rather than its caption tells the choice.
class ChoiceButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ChoiceButton(const QString &placeholder, QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);

    // Whether the caption is other than the placeholder.
    bool isChosen() const { return caption() != m_placeholder; }
    // Shows the placeholder again.
    void clearChoice() { setCaption(m_placeholder); }

private:
    QString m_placeholder;
};

#endif
