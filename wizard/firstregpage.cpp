#include "firstregpage.h"

#include "statuslabel.h"

#include <QVBoxLayout>

FirstRegPage::FirstRegPage(FirstPageRecord *record, QWidget *parent)
    : QWidget(parent)
    , m_statusLabel(new StatusLabel)
    , m_record(record)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(m_statusLabel);

    setWindowTitle(tr("Registration Step 1 of 3"));
}

void FirstRegPage::fillFromRecord() { }
