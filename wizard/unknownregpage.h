#ifndef KVB_UNKNOWNREGPAGE_H
#define KVB_UNKNOWNREGPAGE_H

#include "addressfields.h"
#include "addressrecord.h"

#include <QSharedPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class StatusLabel;

// Step 2 of the wizard when the address check could not verify the address:
// the user keeps it or edits it.
class UnknownRegPage : public QWidget
{
    Q_OBJECT

public:
    explicit UnknownRegPage(QWidget *parent = nullptr);

    // The address as the user entered it. The page also takes the wizard's
    // page stack here, for its own moves. A null address leaves the fields
    // as they are.
    void setOriginal(QSharedPointer<AddressRecord> original);

private slots:
    void regUnknownNextSignal();
    void regUnknownCancelSignal();
    void regUnknownBackSignal();
    void keepUnknown();
    void reenter();

private:
    QSharedPointer<AddressRecord> m_original;
    QLabel *m_introLabel;
    QLabel *m_heading;
    AddressFields m_fields;
    QRadioButton *m_keepButton;
    QRadioButton *m_reenterButton;
    StatusLabel *m_statusLabel;
    QStackedWidget *m_registrationStack = nullptr;
    QPushButton *m_nextButton;
};

#endif
