#ifndef KVB_UNKNOWNREGPAGE_H
#define KVB_UNKNOWNREGPAGE_H

#include "addressconfirmationpage.h"

// Step 2 of the wizard when the address check could not verify the address:
// the user keeps it or edits it.
class UnknownRegPage : public AddressConfirmationPage
{
    Q_OBJECT

public:
    explicit UnknownRegPage(QWidget *parent = nullptr);

private slots:
    void regUnknownNextSignal();
    void regUnknownCancelSignal();
    void regUnknownBackSignal();
    void keepUnknown();
    void reenter();

private:
    QRadioButton *m_keepButton;
};

#endif
