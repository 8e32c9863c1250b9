// The requests' value lookup, and the two requests built on it, on any key
// and key=value text. The input is the key, a line end, and the text; the
// engine answers with the text's first bytes, filling the whole reply buffer
// without a terminator.
#include "engine/engineclient.h"
#include "engine/keyvaluetext.h"

#include <cstring>

namespace {

QByteArray reply;

int KVB_CDECL fillingEntry(const char *, const char *parameters, char *buffer)
{
    // The parameter text must be C text.
    (void)std::strlen(parameters);
    std::memset(buffer, 'r', EngineContract::ReplySize);
    std::memcpy(buffer, reply.constData(),
        std::size_t(qMin(reply.size(), qsizetype(EngineContract::ReplySize))));
    return 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf('\n');
    const QByteArray key = lineEnd < 0 ? QByteArray() : input.left(lineEnd);
    const QByteArray text = input.mid(lineEnd + 1);

    const QByteArray value = KeyValueText(text).value(key);
    if (value != "UNSUPPORTED" && (value.contains(',') || value.contains('=')))
        qFatal("A value holds a separator");
    if (value != "UNSUPPORTED" && !text.contains(key + '=' + value))
        qFatal("A value that is not in the text");

    static EngineClient client;
    client.setEngineEntry(fillingEntry);
    client.setCallerType("KVB");
    reply = text;
    client.verifyAddress(text);
    if (client.addressReply().size() >= EngineContract::ReplySize)
        qFatal("A reply longer than the buffer allows");
    client.submitRegistration(text);
    return 0;
}
