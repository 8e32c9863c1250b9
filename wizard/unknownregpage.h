#ifndef KVB_UNKNOWNREGPAGE_H
#define KVB_UNKNOWNREGPAGE_H

#include "addressrecord.h"

#include <QSharedPointer>
#include <QWidget>

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
    // page stack here, for its own moves.
    void setOriginal(QSharedPointer<AddressRecord> original);

private slots:
    void regUnknownCancelSignal();
    void regUnknownBackSignal();

private:
    QSharedPointer<AddressRecord> m_original;
    StatusLabel *m_statusLabel;
    QStackedWidget *m_registrationStack = nullptr;
};

#endif
