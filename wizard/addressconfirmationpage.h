#ifndef KVB_ADDRESSCONFIRMATIONPAGE_H
#define KVB_ADDRESSCONFIRMATIONPAGE_H

#include "addressfields.h"
#include "wizardpage.h"

#include "regdata/addressrecord.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSharedPointer>

class QLayout;
class QVBoxLayout;
class StatusLabel;

// Step 2 of the wizard, as both of its pages have it: an introduction, the
// addresses, the choices of what to do with them, and Back, Cancel and Next.
// Next waits for a choice. The page never edits an address: it only chooses
// which one the purchase page registers.
class AddressConfirmationPage : public WizardPage
{
    Q_OBJECT

public:
    // The address as the user entered it. The page also takes the wizard's
    // page stack here, for its own moves. A null address leaves the fields
    // as they are.
    void setOriginal(QSharedPointer<AddressRecord> original);

protected:
    // The choices the two pages offer, in the order in which they stand.
    enum Choice
    {
        Replace,
        Keep,
        Reenter
    };

    // original tells whether the address as entered stands alone on the
    // page or beside another.
    explicit AddressConfirmationPage(AddressFields::Address original, QWidget *parent = nullptr);

    // Adds a choice; a choice counts as soon as it is checked, which
    // assistive technology does without a click, and calls slot.
    template <typename Page> QRadioButton *addChoice(Choice choice, void (Page::*slot)())
    {
        QRadioButton *button = newChoice(choice);
        connect(button, &QRadioButton::toggled, static_cast<Page *>(this), slot);
        return button;
    }

    // Lays the page out around the addresses, and connects its buttons.
    template <typename Page>
    void layOut(
        QLayout *addresses, void (Page::*back)(), void (Page::*cancel)(), void (Page::*next)())
    {
        connect(m_backButton, &QPushButton::clicked, static_cast<Page *>(this), back);
        connect(m_cancelButton, &QPushButton::clicked, static_cast<Page *>(this), cancel);
        connect(m_nextButton, &QPushButton::clicked, static_cast<Page *>(this), next);
        layOutPage(addresses);
    }

    // Next, once a choice is made.
    void enableNext();
    // Takes back a choice that can no longer be made, and Next with it.
    void undoChoice(QRadioButton *choice);
    // Hands the address to the purchase page and makes it current; a null
    // address leaves the user here.
    void handOver(const QSharedPointer<AddressRecord> &address);
    // Back to the contact page, with the focus on the address.
    void reenterAddress() const;

    QWidget *firstControl() const override;
    QPushButton *forwardButton() const override { return m_nextButton; }

    // Offers what can be done with the addresses the page now holds.
    virtual void updateChoices() { }

    StatusLabel *statusLabel() const { return m_statusLabel; }

    QSharedPointer<AddressRecord> m_original;
    AddressFields m_originalFields;

private:
    QRadioButton *newChoice(Choice choice);
    void layOutPage(QLayout *addresses);

    QVBoxLayout *m_choices;
    QPushButton *m_backButton;
    QPushButton *m_cancelButton;
    QPushButton *m_nextButton;
    StatusLabel *m_statusLabel;
};

#endif
