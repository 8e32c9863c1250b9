#include "listdialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Where an item keeps its entry's value and further names.
constexpr int ValueRole = Qt::UserRole;
constexpr int FoundByRole = Qt::UserRole + 1;
constexpr int CodesRole = Qt::UserRole + 2;

// Text as the filter compares it: without accents, whatever its case.
QString folded(const QString &text)
{
    QString letters;
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    for (const QChar c : decomposed) {
        if (!c.isMark())
            letters += c;
    }
    return letters.toCaseFolded();
}

} // namespace

ListDialog::ListDialog(QWidget *parent)
    : QDialog(parent)
{
    m_filter = new QLineEdit;
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    auto *filterLabel = new QLabel(tr("&Filter:"));
    filterLabel->setBuddy(m_filter);
    connect(m_filter, &QLineEdit::textChanged, this, &ListDialog::filter);

    m_list = new QListWidget;
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    // Every row is one line of text, so one row's size stands for all: the
    // list lays out a few hundred names without measuring each.
    m_list->setUniformItemSizes(true);

    // Select takes its name from the current item, so it waits for one; as
    // the default button it also answers Enter in the filter and the list.
    m_selectButton = new QPushButton(tr("&Select"));
    m_selectButton->setDefault(true);
    m_selectButton->setEnabled(false);
    auto *cancelButton = new QPushButton(tr("&Cancel"));

    auto *filterLayout = new QHBoxLayout;
    filterLayout->addWidget(filterLabel);
    filterLayout->addWidget(m_filter, 1);

    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(m_selectButton);
    buttonLayout->addWidget(cancelButton);

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->addLayout(filterLayout);
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

void ListDialog::setCurrentName(const QString &value)
{
    m_currentName = value;
}

void ListDialog::showEvent(QShowEvent *event)
{
    // A window restored from being minimised is shown again; its list is
    // already filled.
    if (!event->spontaneous()) {
        int current = 0;
        for (const Entry &entry : readEntries()) {
            auto *item = new QListWidgetItem(entry.shown, m_list);
            item->setData(ValueRole, entry.value);
            item->setData(FoundByRole, entry.alsoFoundBy);
            item->setData(CodesRole, entry.codes);
            if (entry.value == m_currentName)
                current = m_list->count() - 1;
        }
        m_list->setCurrentRow(current);
        m_filter->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

bool ListDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Down, as in a search field over a list, moves into the list.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_PageDown) {
            m_list->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ListDialog::OnSelectClick()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || item->isHidden())
        return;
    m_selectedName = item->data(ValueRole).toString();
    m_selectedCaption = item->text();
    accept();
}

void ListDialog::currentItemChanged(QListWidgetItem *current)
{
    // Keyboard focus alone makes an item current without selecting it;
    // highlight it, so that what Select takes is what the user sees.
    if (current) {
        current->setSelected(true);
        m_list->scrollToItem(current);
    }
    m_selectButton->setEnabled(current != nullptr);
}

void ListDialog::filter(const QString &text)
{
    // The names are folded when the user first filters them, not in front
    // of every opening.
    if (m_folded.isEmpty()) {
        for (int row = 0; row < m_list->count(); ++row) {
            const QListWidgetItem *item = m_list->item(row);
            QStringList names {folded(item->text()), folded(item->data(ValueRole).toString())};
            for (const QString &name : item->data(FoundByRole).toStringList())
                names << folded(name);
            m_folded << names;
            QStringList codes;
            for (const QString &code : item->data(CodesRole).toStringList())
                codes << folded(code);
            m_codes << codes;
        }
    }
    const QString wanted = folded(text);
    // How well an entry matches: its shown name starts with the text (0), or
    // holds it (1), or another of its names or codes does (2); 3 hides it.
    const auto rank = [this, &wanted](int row) {
        const QStringList &names = m_folded.at(row);
        if (names.first().startsWith(wanted))
            return 0;
        if (names.first().contains(wanted))
            return 1;
        const bool found = std::any_of(names.cbegin(), names.cend(),
                               [&wanted](const QString &name) { return name.contains(wanted); })
            || m_codes.at(row).contains(wanted);
        return found ? 2 : 3;
    };
    QListWidgetItem *best = nullptr;
    int bestRank = 3;
    int currentRank = 3;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const int itemRank = rank(row);
        item->setHidden(itemRank == 3);
        if (itemRank < bestRank) {
            best = item;
            bestRank = itemRank;
        }
        if (item == m_list->currentItem())
            currentRank = itemRank;
    }
    // What Select would take is always a name in view, or none: the current
    // one while it matches as well as any, else the first that matches best.
    if (currentRank > bestRank || currentRank == 3)
        m_list->setCurrentItem(best);
}
