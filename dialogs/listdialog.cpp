#include "listdialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

ListDialog::ListDialog(QWidget *parent)
    : QDialog(parent)
{
    m_list = new QListWidget;
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    // Every row is one line of text, so one row's size stands for all: the
    // list lays out a few hundred names without measuring each.
    m_list->setUniformItemSizes(true);

    // Select takes its name from the current item, so it waits for one; as
    // the default button it also answers Enter on the list.
    m_selectButton = new QPushButton(tr("Select"));
    m_selectButton->setDefault(true);
    m_selectButton->setEnabled(false);
    auto *cancelButton = new QPushButton(tr("Cancel"));

    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(m_selectButton);
    buttonLayout->addWidget(cancelButton);

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->addWidget(m_list);
    mainLayout->addLayout(buttonLayout);

    connect(m_selectButton, &QPushButton::clicked, this, &ListDialog::OnSelectClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ListDialog::OnSelectClick);
    connect(m_list, &QListWidget::currentItemChanged, this, &ListDialog::currentItemChanged);

    setMinimumHeight(300);
    // Wide enough for the names of nearly every country; longer ones are
    // elided.
    resize(fontMetrics().averageCharWidth() * 60, minimumHeight());
}

void ListDialog::showEvent(QShowEvent *event)
{
    // A window restored from being minimised is shown again; its list is
    // already filled.
    if (!event->spontaneous())
        m_list->addItems(readNames());
    QDialog::showEvent(event);
}

void ListDialog::OnSelectClick()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    m_selectedName = item->text();
    accept();
}

void ListDialog::currentItemChanged(QListWidgetItem *current)
{
    // Keyboard focus alone makes the first item current without selecting
    // it; highlight it, so that what Select takes is what the user sees.
    if (current)
        current->setSelected(true);
    m_selectButton->setEnabled(current != nullptr);
}
