#ifndef KVB_FIRSTREGPAGE_H
#define KVB_FIRSTREGPAGE_H

#include "wizardpage.h"

#include "regdata/addressrecord.h"
#include "regdata/contactrecord.h"
#include "regdata/firstpagerecord.h"

#include <QDate>
#include <QList>
#include <QSharedPointer>
#include <QStringList>

#include <memory>

class ChoiceButton;
class ChoiceMenu;
class CorrectRegPage;
class CountryDialog;
class EngineClientInterface;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class SecondRegPage;
class StatusLabel;
class UnknownRegPage;
class UnsendableFields;
class XMLRegStruct;

// Step 1 of the wizard: the user's contact details and postal address. Next
// sends the address to the address check and, by its answer, goes on to the
// purchase page or to one of the two pages that confirm the address.
class FirstRegPage : public WizardPage
{
    Q_OBJECT

public:
    // record is the saved first half of the registration, and engine the
    // engine client that checks the address, which must outlive the page.
    FirstRegPage(
        const FirstPageRecord &record, EngineClientInterface *engine, QWidget *parent = nullptr);
    ~FirstRegPage() override;

    // Fills the page from the saved record.
    void fillFromRecord();
    // Fills in what an administrator preset, where no saved record fills the
    // page: the company, the department and the country, whose region is
    // still to be chosen. An empty value changes nothing.
    void fillFromPresets(const FirstPageRecord &presets);

    // The contact details and the address as the page shows them now; a
    // country or region not chosen is empty.
    ContactRecord contact() const;
    AddressRecord address() const;
    // Whether anything on the page changed since the last Next sent it.
    bool changedSinceNext() const;
    // Says in the status line, unless it says something already, that this
    // copy was registered on date.
    void setRegisteredOn(const QDate &date);
    // Says in the status line that the saved details were not read, as
    // another user could have put them there.
    void setRecordRefused();
    // Says in the status line that the note of the registration was not
    // read, for the same reason.
    void setNoteRefused();
    // Says in the status line that the saved details were never sent to the
    // maker.
    void setNotRegistered();
    // The engine library could not be loaded: message says so, at once and
    // whenever an address check fails.
    void setEngineMissing(const QString &message);
    // Whether the address check is under way.
    bool isChecking() const { return m_checking; }

    // Shows country on the country button, as caption or else by the name
    // in the user's language that its catalogue name has, and offers its
    // regions, read afresh from the catalogue; the region is to be chosen
    // again. An empty name changes nothing.
    void setCountry(const QString &country, const QString &caption = QString());
    // Shows the country chosen by the name the country list gives it, which
    // its code in catalogue finds where its catalogue name does not.
    void showCountryAsListed(const XMLRegStruct &catalogue);
    // Enables Next once every required field is filled and both a country
    // and a region are chosen.
    void updateNextButton();
    // Whether the field of that object name, "City:" say, holds more than
    // blanks.
    bool isFieldFilled(const QString &name) const;
    // One "@" followed later by a ".", with no second "@" before that ".",
    // in at least five characters.
    static bool isValidEmail(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    QWidget *firstControl() const override;
    QPushButton *forwardButton() const override;

private slots:
    void reg1NextSignal();
    void showCountryPopup();
    void onMenuClick();
    // Shows what the address check would receive now.
    void showSentItems();

private:
    // The folder of the record and the note, as the user's system writes it.
    static QString recordFolder();
    // The page's two columns.
    QLayout *createContactPanel();
    QLayout *createAddressPanel();
    // A row of a text field found by objectName, which name names in
    // messages.
    QLineEdit *addRow(QGridLayout *form, const QString &labelText, const char *objectName,
        const QString &name, bool required);
    ChoiceButton *addChoiceRow(QGridLayout *form, const QString &labelText,
        const QString &placeholder, const char *objectName);
    void fillRegionMenu();
    void clearRegionMenu();
    // The texts and captions of the page.
    QStringList state() const;

    // The three parts of Next: whether the details may go, sending the
    // address, and going where the address check's answer leads.
    bool detailsReady();
    qint16 sendAddress();
    void followAnswer(qint16 result);
    void readCorrection();

    StatusLabel *m_statusLabel;
    // Every text field goes to the maker's service.
    UnsendableFields *m_unsendable;
    QLabel *m_introLabel;
    QLineEdit *m_firstNameEdit;
    QLineEdit *m_lastNameEdit;
    QLineEdit *m_titleEdit;
    QLineEdit *m_companyEdit;
    QLineEdit *m_departmentEdit;
    QLineEdit *m_emailEdit;
    QLineEdit *m_phoneEdit;
    QLineEdit *m_street1Edit;
    QLineEdit *m_street2Edit;
    QLineEdit *m_cityEdit;
    ChoiceButton *m_countryButton;
    ChoiceButton *m_regionButton;
    QLineEdit *m_postcodeEdit;
    QPushButton *m_nextButton;
    ChoiceMenu *m_regionMenu;
    // The country whose regions the menu is still to offer, or null when it
    // offers them.
    QString m_regionsOf;
    // Whether a country was set since start-up, whose codes Next sends.
    bool m_countrySet = false;
    // Only set while the dialog is open.
    std::unique_ptr<CountryDialog> m_countryDialog;
    FirstPageRecord m_record;
    EngineClientInterface *m_engine;
    CorrectRegPage *m_correctPage = nullptr;
    // The records of the last Next. The pages share them, so each lives as
    // long as any page still holds it.
    QSharedPointer<AddressRecord> m_original;
    QSharedPointer<AddressRecord> m_corrected;
    QSharedPointer<ContactRecord> m_contact;
    UnknownRegPage *m_unknownPage = nullptr;
    SecondRegPage *m_secondPage = nullptr;
    QStringList m_requiredFields;
    // state() when Next last sent the page; empty before.
    QStringList m_sentState;
    bool m_checking = false;
    QString m_engineMissing;
};

#endif
