#include "sentitemsdialog.h"

#include "plaintooltip.h"
#include "wrappedlabel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QIcon>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// What was entered for the item of key, or null for an item that nothing
// entered gives, such as "Register".
QString enteredValue(const QList<RequestText::Pair> &entered, QByteArrayView key)
{
    for (const RequestText::Pair &pair : entered) {
        if (key == QByteArrayView(pair.key.data(), pair.key.size()))
            return pair.value.isNull() ? QLatin1String("") : pair.value;
    }
    return QString();
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

SentItemsDialog::SentItemsDialog(const QByteArray &sent, const QList<RequestText::Pair> &entered,
    const QString &note, QWidget *parent)
    : QDialog(parent)
    , m_sent(sent)
{
    auto *table = new QTableWidget(0, 2);
    table->setObjectName(QStringLiteral("SentItems"));
    //: The names of the columns of the items sent: an item's name, as the maker's service knows
    //: it, and its value.
    table->setHorizontalHeaderLabels({tr("Item"), tr("Value as sent")});
    table->setAccessibleName(tr("Items sent"));
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    bool anyMarked = false;
    const QList<QByteArray> items = sent.split(',');
    for (const QByteArray &item : items) {
        const qsizetype equals = item.indexOf('=');
        const QByteArray key = item.left(equals);
        const QString value = QString::fromLatin1(item.mid(equals + 1));
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, cell(QString::fromLatin1(key)));
        QTableWidgetItem *valueCell = cell(value);
        const QString asEntered = enteredValue(entered, key);
        if (!asEntered.isNull() && asEntered.normalized(QString::NormalizationForm_C) != value) {
            anyMarked = true;
            valueCell->setIcon(QIcon(QStringLiteral(":/warning.png")));
            const QString tip = tr("Entered as: %1").arg(asEntered);
            valueCell->setToolTip(Qt::convertFromPlainText(tip, Qt::WhiteSpacePre));
            valueCell->setData(Qt::AccessibleDescriptionRole, tip);
        }
        table->setItem(row, 1, valueCell);
    }
    table->resizeColumnToContents(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new WrappedLabel(tr("The maker's service receives these items, exactly as they stand here.")
            + QLatin1Char(' ') + note));
    layout->addWidget(table, 1);
    if (anyMarked) {
        layout->addWidget(new WrappedLabel(
            tr("A marked item arrives otherwise than it was entered: a character that cannot be "
               "sent arrives as \"?\", a \",\" or \"=\" that you typed as a blank, and a "
               "choice of a list up to its first \",\".")));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    setWindowTitle(tr("What KVB sends"));
    resize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 28);
}
