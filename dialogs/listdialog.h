#ifndef KVB_LISTDIALOG_H
#define KVB_LISTDIALOG_H

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// A small modal dialog in which the user picks one name from a list: a
// filter field, the list under it, "Select" and "Cancel" at the foot. The
// country and reseller dialogs fill it from their catalogues each time they
// are shown, so that an edited file shows up at the next opening.
//
// Each entry has a value, which the dialog hands back and the program saves
// and sends, a name that the list shows, and further names it is found by.
// It opens on the current choice, or on the first entry when there is none,
// with the focus in the filter: typing narrows the list to the entries whose
// names hold the text, whatever its case and accents ("cote" finds "Côte
// d'Ivoire"); Down moves into the list, Enter picks the entry selected, and
// Escape leaves everything as it was.
class ListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ListDialog(QWidget *parent = nullptr);

    struct Entry
    {
        QString value;
        QString shown;
        // Found by, besides what is shown: names that hold the text typed,
        // and codes that are the text typed.
        QStringList alsoFoundBy;
        QStringList codes;
    };

    // The value of the entry to select when the dialog opens.
    void setCurrentName(const QString &value);

public slots:
    void OnSelectClick();

protected:
    QListWidget *listWidget() const { return m_list; }
    // The entries to offer, in order, read afresh when the dialog is shown.
    virtual QList<Entry> readEntries() const = 0;
    // The value of the entry chosen with Select; null until then.
    QString selectedName() const { return m_selectedName; }
    // What that entry showed.
    QString selectedCaption() const { return m_selectedCaption; }

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void currentItemChanged(QListWidgetItem *current);
    void filter(const QString &text);

    QLineEdit *m_filter;
    QListWidget *m_list;
    QPushButton *m_selectButton;
    QString m_currentName;
    QString m_selectedName;
    QString m_selectedCaption;
    // Each entry's names and codes, as the filter compares them.
    QList<QStringList> m_folded;
    QList<QStringList> m_codes;
};

#endif
