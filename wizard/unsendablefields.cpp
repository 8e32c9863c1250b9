#include "unsendablefields.h"

#include "statuslabel.h"

#include "engine/enginetext.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>

UnsendableFields::UnsendableFields(
    StatusLabel *statusLine, const QString &sendAgain, QObject *parent)
    : QObject(parent)
    , m_statusLine(statusLine)
    , m_sendAgain(sendAgain)
    , m_markIcon(QStringLiteral(":/warning.png"))
{ }

void UnsendableFields::showWhileUnsendable(QWidget *widget)
{
    m_shownWhileUnsendable = widget;
    widget->hide();
}

void UnsendableFields::watch(QLineEdit *field, const QString &name)
{
    auto *mark = new QAction(m_markIcon, QString(), field);
    mark->setToolTip(tr("Some characters here will reach the maker as \"?\"."));
    field->addAction(mark, QLineEdit::TrailingPosition);
    // Hidden once it is in the field: the field shows an action added hidden.
    mark->setVisible(false);
    m_fields.append({field, name, mark});
    connect(field, &QLineEdit::textChanged, this, &UnsendableFields::update);
}

bool UnsendableFields::confirm()
{
    const QList<const Field *> fields = unsendable();
    const QStringList shown = texts();
    if (fields.isEmpty() || shown == m_confirmed)
        return true;
    m_confirmed = shown;
    update();
    fields.first()->edit->setFocus(Qt::OtherFocusReason);
    return false;
}

void UnsendableFields::update()
{
    QStringList names;
    for (const Field &field : std::as_const(m_fields)) {
        const bool loses = losesCharacters(field);
        field.mark->setVisible(loses);
        field.edit->setAccessibleDescription(loses ? field.mark->toolTip() : QString());
        if (loses)
            names << field.name;
    }
    if (m_shownWhileUnsendable)
        m_shownWhileUnsendable->setVisible(!names.isEmpty());
    if (!names.isEmpty()) {
        m_message = tr("Some characters in %1 cannot be sent: they will reach the maker as \"?\". "
                       "Latin letters, with or without accents, reach the maker as written.")
                        .arg(names.join(
                            //: Between the names of two fields in a list, "City, Zip/Postal Code".
                            tr(", ")));
        if (texts() == m_confirmed)
            m_message += QLatin1Char(' ') + m_sendAgain;
        m_statusLine->setMessage(m_message, StatusLabel::Warning);
    } else if (!m_message.isEmpty() && m_statusLine->text() == m_message) {
        m_statusLine->clearMessage();
    }
}

QList<const UnsendableFields::Field *> UnsendableFields::unsendable() const
{
    QList<const Field *> fields;
    for (const Field &field : m_fields) {
        if (losesCharacters(field))
            fields << &field;
    }
    return fields;
}

bool UnsendableFields::losesCharacters(const Field &field)
{
    // A hidden field's text goes out as it is, but the maker reads it only
    // with the choice that shows the field.
    return !field.edit->isHidden() && ::losesCharacters(field.edit->text());
}

QStringList UnsendableFields::texts() const
{
    QStringList texts;
    for (const Field &field : m_fields)
        texts << field.edit->text();
    return texts;
}
