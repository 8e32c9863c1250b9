// The stand-in engine library: the same export and calling convention as the
// maker's engine, answering as a local service. It verifies addresses against
// the iso-codes data and records registrations in an outbox file; the
// environment can force the answer of each command.

#include "addressverifier.h"
#include "engine/enginecontract.h"
#include "outbox.h"
#include "quillanswer.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

using Parameters = QHash<QByteArray, QByteArray>;

QByteArray callerType;

// The request's values by key: the text before an item's first "=" is its
// key, the rest its value; the first item with a key counts.
Parameters parseParameters(const QByteArray &text)
{
    Parameters parameters;
    const QByteArrayList items = text.split(',');
    for (const QByteArray &item : items) {
        const qsizetype equals = item.indexOf('=');
        if (equals >= 0 && !parameters.contains(item.first(equals)))
            parameters.insert(item.first(equals), item.mid(equals + 1));
    }
    return parameters;
}

// Tabs separate the fields of an outbox line and each registration takes one
// line, so those characters are written as escapes.
QByteArray escapedField(const QByteArray &text)
{
    QByteArray escaped = text;
    escaped.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
    return QString::fromLatin1(escaped).toUtf8();
}

// The value that parseParameters() gives for key, found without building
// the whole map: the caller is announced before every request.
QByteArray parameterValue(QByteArrayView text, QByteArrayView key)
{
    for (qsizetype start = 0; start <= text.size();) {
        const qsizetype comma = text.indexOf(',', start);
        const qsizetype end = comma < 0 ? text.size() : comma;
        const QByteArrayView item = text.sliced(start, end - start);
        const qsizetype equals = item.indexOf('=');
        if (equals >= 0 && item.first(equals) == key)
            return item.sliced(equals + 1).toByteArray();
        start = end + 1;
    }
    return QByteArray();
}

QuillAnswer setCallerType(const QByteArray &text)
{
    callerType = parameterValue(text, "callerType");
    return QuillAnswer {QuillAnswer::Done, QByteArrayLiteral("OK")};
}

QuillAnswer submitRegistration(const Parameters &parameters, const QByteArray &text)
{
    if (parameters.value("Register") != "2")
        return QuillAnswer {QuillAnswer::NotARegistration, QByteArrayLiteral("NOT_A_REGISTRATION")};
    const QByteArray time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1();
    const QByteArray line
        = time + '\t' + escapedField(callerType) + '\t' + escapedField(text) + '\n';
    if (!Outbox::append(line))
        return QuillAnswer {QuillAnswer::OutboxUnwritable, QByteArrayLiteral("OUTBOX_UNWRITABLE")};
    return QuillAnswer {QuillAnswer::Done, QByteArrayLiteral("REGISTERED")};
}

// QUILL_FORCE_<COMMAND> set to a number makes the command answer that number
// without doing anything; QUILL_FORCE_<COMMAND>_REPLY gives its reply text.
std::optional<QuillAnswer> forcedAnswer(const QByteArray &command)
{
    const char *variable = command == "SetCallerType" ? "QUILL_FORCE_SETCALLERTYPE"
        : command == "SENDADDRESS"                    ? "QUILL_FORCE_SENDADDRESS"
                                                      : "QUILL_FORCE_SENDREGDATA";
    bool isNumber = false;
    const int result = qEnvironmentVariableIntValue(variable, &isNumber);
    if (!isNumber)
        return std::nullopt;
    return QuillAnswer {result, qgetenv((QByteArray(variable) + "_REPLY").constData())};
}

QuillAnswer answer(const QByteArray &command, const QByteArray &text)
{
    const bool known
        = command == "SetCallerType" || command == "SENDADDRESS" || command == "SENDREGDATA";
    if (!known)
        return QuillAnswer {QuillAnswer::UnknownCommand, QByteArrayLiteral("UNKNOWN_COMMAND")};
    if (const std::optional<QuillAnswer> forced = forcedAnswer(command))
        return *forced;

    if (command == "SetCallerType")
        return setCallerType(text);
    const Parameters parameters = parseParameters(text);
    if (command == "SENDADDRESS")
        return AddressVerifier::verify(parameters);
    return submitRegistration(parameters, text);
}

void writeReply(char *reply, const QByteArray &text)
{
    if (!reply)
        return;
    const std::size_t length
        = std::min<std::size_t>(std::size_t(text.size()), EngineContract::ReplySize - 1);
    std::memcpy(reply, text.constData(), length);
    reply[length] = '\0';
}

} // namespace

KVB_ENGINE_EXPORT int KVB_CDECL KVB_ENGINE_ENTRY(
    const char *command, const char *parameters, char *reply)
{
    // QUILL_DELAY_MS makes each request as slow as a distant service, to
    // show and try what the program does while it waits.
    if (qstrcmp(command, "SetCallerType") != 0)
        QThread::msleep(qEnvironmentVariableIntValue("QUILL_DELAY_MS"));
    // The caller's texts outlive the call, so they are read in place.
    const QuillAnswer result = answer(QByteArray::fromRawData(command, qsizetype(qstrlen(command))),
        QByteArray::fromRawData(parameters, qsizetype(qstrlen(parameters))));
    writeReply(reply, result.reply);
    return result.result;
}
