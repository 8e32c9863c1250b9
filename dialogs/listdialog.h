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
// It opens on the current choice, or on the first name when there is none,
// with the focus in the filter: typing narrows the list to the names that
// hold the text, whatever its case and accents ("cote" finds "Côte
// d'Ivoire"); Down moves into the list, Enter picks the name selected, and
// Escape leaves everything as it was.
class ListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ListDialog(QWidget *parent = nullptr);

    // The name to select when the dialog opens.
    void setCurrentName(const QString &name);

public slots:
    void OnSelectClick();

protected:
    QListWidget *listWidget() const { return m_list; }
    // The names to offer, read afresh when the dialog is shown.
    virtual QStringList readNames() const = 0;
    // The name of the item chosen with Select; null until then.
    QString selectedName() const { return m_selectedName; }

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
    // Each name as the filter compares it.
    QStringList m_folded;
};

#endif
