#ifndef KVB_FIRSTREGPAGE_H
#define KVB_FIRSTREGPAGE_H

#include <QWidget>

struct FirstPageRecord;
class StatusLabel;

// Step 1 of the wizard: the user's contact details and postal address.
class FirstRegPage : public QWidget
{
    Q_OBJECT

public:
    // record is the saved first half of the registration; it must outlive
    // the page.
    explicit FirstRegPage(FirstPageRecord *record, QWidget *parent = nullptr);

    // Fills the page from the saved record.
    void fillFromRecord();

private:
    StatusLabel *m_statusLabel;
    FirstPageRecord *m_record;
};

#endif
