#ifndef KVB_CORRECTREGPAGE_H
#define KVB_CORRECTREGPAGE_H

#include "addressfields.h"
#include "addressrecord.h"

#include <QSharedPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;
class SecondRegPage;
class StatusLabel;

// Step 2 of the wizard when the address check corrected the address: the
// user takes the corrected address, keeps the entered one, or edits it.
class CorrectRegPage : public QWidget
{
    Q_OBJECT

public:
    explicit CorrectRegPage(QWidget *parent = nullptr);

    // The address as the user entered it. The page also takes the wizard's
    // page stack here, for its own moves. A null address leaves the fields
    // as they are.
    void setOriginal(QSharedPointer<AddressRecord> original);
    // The address as the check corrected it. A null address leaves the
    // fields as they are.
    void setCorrected(QSharedPointer<AddressRecord> corrected);
    // The check's latest correction could not be read: the page shows no
    // address, says so, and offers only to re-enter the address.
    void setUnreadable();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void regCorNextSignal();
    void regCorCancelSignal();
    void regCorBackSignal();
    void replace();
    void reenter();
    void keep();

private:
    void addCompareRow(
        QVBoxLayout *frame, const QString &labelText, QLineEdit *&original, QLineEdit *&corrected);
    void updateChoices();
    void handOver(QSharedPointer<AddressRecord> address);

    QSharedPointer<AddressRecord> m_original;
    QSharedPointer<AddressRecord> m_corrected;
    SecondRegPage *m_secondPage = nullptr;
    QLabel *m_introLabel;
    QLabel *m_originalHeading;
    AddressFields m_originalFields;
    QLabel *m_correctedHeading;
    AddressFields m_correctedFields;
    QRadioButton *m_replaceButton;
    QRadioButton *m_keepButton;
    QRadioButton *m_reenterButton;
    QPushButton *m_nextButton;
    StatusLabel *m_statusLabel;
    QStackedWidget *m_registrationStack = nullptr;
};

#endif
