#ifndef KVB_SECONDREGPAGE_H
#define KVB_SECONDREGPAGE_H

#include "wizardpage.h"

#include "engine/requesttext.h"
#include "regdata/addressrecord.h"
#include "regdata/contactrecord.h"
#include "regdata/purchasedetails.h"
#include "regdata/secondpagerecord.h"

#include <QElapsedTimer>
#include <QSet>
#include <QSharedPointer>

class ChoiceButton;
class EngineClientInterface;
class QAction;
class QCheckBox;
class QLabel;
class QGridLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class StatusLabel;
class UnsendableFields;

// Step 3 of the wizard: the purchase details, from where the registration is
// saved and sent.
//
// Every choice is the value of a button, set from the button's menu or, for
// the reseller, from the reseller dialog; the value, in English as the menus
// list it, is what is saved and sent, and the button shows its caption in
// the user's language. A button that still shows its placeholder has no
// choice yet.
class SecondRegPage : public WizardPage
{
    Q_OBJECT

public:
    // record is the saved second half of the registration, and engine the
    // engine client that sends it, which must outlive the page.
    SecondRegPage(
        const SecondPageRecord &record, EngineClientInterface *engine, QWidget *parent = nullptr);

    // The contact details to register.
    void setContact(QSharedPointer<ContactRecord> contact);
    // The postal address to register. The page also takes the wizard's page
    // stack here, for its own moves.
    void setAddress(QSharedPointer<AddressRecord> address);

    // Fills the page from the saved record, as PurchaseChoices::tidied()
    // shows it.
    void fillFromRecord();
    // Fills in the choices an administrator preset, where no saved record
    // fills the page; a placeholder leaves its choice to the user. A
    // reseller waits on its hidden button until the location asks for it.
    void fillFromPresets(const SecondPageRecord &presets);
    // Enables both save buttons once every required choice is made, else
    // disables both, whatever their captions.
    void updateSaveButtons();

    // The record that Save writes: the contact details and the address last
    // handed to the page, or the ones given, with the page's choices.
    RegistrationRecord record() const;
    RegistrationRecord record(const ContactRecord &contact, const AddressRecord &address) const;
    // Whether a page before this one handed it an address.
    bool hasAddress() const { return !m_address.isNull(); }
    // Whether a registration is being sent.
    bool isRegistering() const { return m_registering; }
    // The window is to close while a registration is sent: the first time,
    // it closes once the maker answers, or after timeout milliseconds
    // without an answer; asked again, it may close at once. Returns whether
    // it may close now.
    bool closeWhenAnswered(int timeout);
    // The engine library could not be loaded: a failed registration says so.
    void setEngineMissing(const QString &message) { m_engineMissing = message; }

protected:
    QWidget *firstControl() const override;

private slots:
    void regPage2NextSignal();
    void regPage2CancelSignal();
    void regPage2BackSignal();
    void regPage2SaveSignal();
    void onMonthMenuClick(QAction *action);
    void onDayMenuClick(QAction *action);
    void onYearMenuClick(QAction *action);
    void onLocationMenuClick(QAction *action);
    void onDescMenuClick(QAction *action);
    void onBusMenuClick(QAction *action);
    void onWorkMenuClick(QAction *action);
    void showResellerPopup();
    // Shows what a registration would send now.
    void showSentItems();

private:
    // The parts of the page, top to bottom.
    void createChoiceButtons();
    QLayout *createChoiceRows();
    QLayout *createSystemsRow();
    void createOfferBoxes();
    QLayout *createButtonRow();

    // A button whose menu offers values, each shown by caption.
    ChoiceButton *createMenuButton(const QString &placeholder, const QString &unchosenValue,
        const char *objectName, const QStringList &values, QString (*caption)(const QString &),
        void (SecondRegPage::*handler)(QAction *));
    QLabel *addChoiceRow(QGridLayout *form, const QString &labelText, ChoiceButton *button);
    QPushButton *actionButton(const char *objectName) const;
    static void setChoice(ChoiceButton *button, QAction *action);
    void showReseller(bool shown);
    void showRow(QLabel *label, bool shown);
    void showWorkOther(bool shown);

    void collectPurchaseDetails();
    PurchaseDetails purchaseDetails() const;
    bool saveRecord();
    QList<RequestText::Pair> registrationPairs() const;
    bool sendRegistration();
    // What is still to choose or correct before the page can be saved, or
    // nothing.
    QString missingChoice() const;
    void showRegistrationOutcome(bool registered, bool saved, bool noted);
    // Whether to send a registration of a copy registered before.
    bool confirmSecondRegistration();
    // An action button that has done its work offers to quit.
    void becomeQuit(QPushButton *button);
    void quit();

    SecondPageRecord m_record;
    EngineClientInterface *m_engine;
    QSharedPointer<ContactRecord> m_contact;
    QSharedPointer<AddressRecord> m_address;
    PurchaseDetails m_purchaseDetails;
    bool m_registering = false;
    bool m_closeWhenAnswered = false;
    QString m_engineMissing;
    // The buttons that have become "Quit", and since when.
    QSet<QPushButton *> m_quitting;
    QElapsedTimer m_becameQuit;

    ChoiceButton *m_monthButton;
    ChoiceButton *m_dayButton;
    ChoiceButton *m_yearButton;
    ChoiceButton *m_locationButton;
    QLabel *m_resellerLabel;
    ChoiceButton *m_resellerButton;
    ChoiceButton *m_userTypeButton;
    ChoiceButton *m_businessButton;
    ChoiceButton *m_workButton;
    QLineEdit *m_workOtherField;
    QLabel *m_workOtherLabel;
    QRadioButton *m_yesButton;
    QRadioButton *m_noButton;
    QLabel *m_systemsLabel;
    QCheckBox *m_offersBox;
    QCheckBox *m_partnerOffersBox;
    QLabel *m_unsubscribeLabel;
    QLabel *m_missingLabel;
    QGridLayout *m_choiceRows;
    StatusLabel *m_statusLabel;
    UnsendableFields *m_unsendable;
};

#endif
