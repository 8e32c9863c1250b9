#ifndef KVB_LISTDIALOG_H
#define KVB_LISTDIALOG_H

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// A small modal dialog in which the user picks one name from a list: the
// list on top, "Select" and "Cancel" under it. The country and reseller
// dialogs fill it from their catalogues each time they are shown, so that
// an edited file shows up at the next opening.
class ListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ListDialog(QWidget *parent = nullptr);

public slots:
    void OnSelectClick();

protected:
    QListWidget *listWidget() const { return m_list; }
    // The names to offer, read afresh when the dialog is shown.
    virtual QStringList readNames() const = 0;
    // The name of the item chosen with Select; null until then.
    QString selectedName() const { return m_selectedName; }

    void showEvent(QShowEvent *event) override;

private:
    void currentItemChanged(QListWidgetItem *current);

    QListWidget *m_list;
    QPushButton *m_selectButton;
    QString m_selectedName;
};

#endif
