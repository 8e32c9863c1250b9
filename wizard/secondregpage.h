#ifndef KVB_SECONDREGPAGE_H
#define KVB_SECONDREGPAGE_H

#include "addressrecord.h"
#include "contactrecord.h"

#include <QSharedPointer>
#include <QWidget>

struct SecondPageRecord;
class QStackedWidget;
class StatusLabel;

// Step 3 of the wizard: the purchase details, from where the registration is
// saved and sent.
class SecondRegPage : public QWidget
{
    Q_OBJECT

public:
    // record is the saved second half of the registration; it must outlive
    // the page.
    explicit SecondRegPage(SecondPageRecord *record, QWidget *parent = nullptr);

    // The contact details to register.
    void setContact(QSharedPointer<ContactRecord> contact);
    QSharedPointer<ContactRecord> contact() const { return m_contact; }
    // The postal address to register. The page also takes the wizard's page
    // stack here, for its own moves.
    void setAddress(QSharedPointer<AddressRecord> address);
    QSharedPointer<AddressRecord> address() const { return m_address; }

    // Fills the page from the saved record.
    void fillFromRecord();
    // Enables the save buttons once every required choice is made.
    void updateSaveButtons();

private slots:
    void regPage2CancelSignal();
    void regPage2BackSignal();

private:
    SecondPageRecord *m_record;
    QSharedPointer<ContactRecord> m_contact;
    QSharedPointer<AddressRecord> m_address;
    QStackedWidget *m_registrationStack = nullptr;
    StatusLabel *m_statusLabel;
};

#endif
