#ifndef KVB_CORRECTREGPAGE_H
#define KVB_CORRECTREGPAGE_H

#include "addressrecord.h"

#include <QSharedPointer>
#include <QWidget>

class QStackedWidget;
class StatusLabel;

// Step 2 of the wizard when the address check corrected the address: the
// user takes the corrected address, keeps the entered one, or edits it.
class CorrectRegPage : public QWidget
{
    Q_OBJECT

public:
    explicit CorrectRegPage(QWidget *parent = nullptr);

    // The address as the user entered it. The page also takes the wizard's
    // page stack here, for its own moves.
    void setOriginal(QSharedPointer<AddressRecord> original);
    // The address as the check corrected it.
    void setCorrected(QSharedPointer<AddressRecord> corrected);

private slots:
    void regCorCancelSignal();
    void regCorBackSignal();

private:
    QStackedWidget *registrationStack();

    QSharedPointer<AddressRecord> m_original;
    QSharedPointer<AddressRecord> m_corrected;
    StatusLabel *m_statusLabel;
    QStackedWidget *m_registrationStack = nullptr;
};

#endif
