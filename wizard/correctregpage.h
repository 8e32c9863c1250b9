#ifndef KVB_CORRECTREGPAGE_H
#define KVB_CORRECTREGPAGE_H

#include "addressconfirmationpage.h"

// Step 2 of the wizard when the address check corrected the address: the
// user takes the corrected address, keeps the entered one, or edits it.
class CorrectRegPage : public AddressConfirmationPage
{
    Q_OBJECT

public:
    explicit CorrectRegPage(QWidget *parent = nullptr);

    // The address as the check corrected it. A null address leaves the
    // fields as they are.
    void setCorrected(QSharedPointer<AddressRecord> corrected);
    // The check's latest correction could not be read: the page shows no
    // address, says so, and offers only to re-enter the address.
    void setUnreadable();

private slots:
    void regCorNextSignal();
    void regCorCancelSignal();
    void regCorBackSignal();
    void replace();
    void reenter();
    void keep();

private:
    void updateChoices() override;

    QSharedPointer<AddressRecord> m_corrected;
    AddressFields m_correctedFields;
    QRadioButton *m_replaceButton;
    QRadioButton *m_keepButton;
    QRadioButton *m_reenterButton;
};

#endif
