#include "pagelayout.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace PageLayout {

QVBoxLayout *column()
{
    auto *column = new QVBoxLayout;
    column->setContentsMargins(9, 6, 9, 6);
    column->setSpacing(4);
    return column;
}

QHBoxLayout *centred(QLayout *inner)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addLayout(inner);
    row->addStretch();
    return row;
}

QHBoxLayout *centred(QWidget *inner)
{
    auto *box = new QHBoxLayout;
    box->addWidget(inner);
    return centred(box);
}

QHBoxLayout *buttonRow(QPushButton *back, std::initializer_list<QPushButton *> others)
{
    auto *row = new QHBoxLayout;
    row->addWidget(back);
    row->addStretch(1);
    for (QPushButton *button : others)
        row->addWidget(button);
    return row;
}

} // namespace PageLayout
