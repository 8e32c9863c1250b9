#ifndef KVB_SENTITEMSDIALOG_H
#define KVB_SENTITEMSDIALOG_H

#include "engine/requesttext.h"

#include <QByteArray>
#include <QDialog>

// Shows every item that a request hands the maker's service, exactly as the
// service receives it: the keys in the order in which they go, each value in
// the characters that arrive. An item that arrives otherwise than it was
// entered (a character that Latin-1 cannot hold as "?", a "," or "=" typed
// as a blank) is marked, and tells what was entered.
class SentItemsDialog : public QDialog
{
    Q_OBJECT

public:
    // sent is the request's parameter text, entered the items it was made
    // from, and note a sentence on what the request holds.
    SentItemsDialog(const QByteArray &sent, const QList<RequestText::Pair> &entered,
        const QString &note, QWidget *parent = nullptr);

    // The parameter text shown, item by item.
    QByteArray sentText() const { return m_sent; }

private:
    QByteArray m_sent;
};

#endif
