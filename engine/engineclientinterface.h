#ifndef KVB_ENGINECLIENTINTERFACE_H
#define KVB_ENGINECLIENTINTERFACE_H

#include "enginetext.h"

#include <QByteArray>
#include <QString>

// What the rest of the program asks of the maker's engine library.
class EngineClientInterface
{
public:
    virtual ~EngineClientInterface() = default;

    // Loads the engine library from beside the program named by programPath
    // (argument entry 0 of the process) and resolves its entry point.
    virtual void loadEngine(const char *programPath) = 0;

    // Asks the maker's service to verify a postal address, given as Latin-1
    // key=value text. Answers 0 when the address is accepted as entered, 1
    // when a corrected address is waiting in addressReply(), 2 when it cannot
    // be verified, and any other code when the check itself failed.
    virtual int verifyAddress(const QByteArray &addressText) = 0;

    // The corrected address of the last request that answered 1, or
    // "ADDRESS_GOOD" while there has been none.
    virtual QByteArray addressReply() const = 0;

    // Submits a registration, given as Latin-1 key=value text. True only when
    // the maker's service accepted it.
    virtual bool submitRegistration(const QByteArray &registrationText) = 0;

    // The name under which every request announces the caller. The pointer
    // is kept, not the text, so the text must outlive the client.
    virtual void setCallerType(const char *callerType) = 0;

    // The pages' form of verifyAddress(): the text reaches the engine as
    // engineText() makes it, and the code comes back narrowed to 16 bits.
    qint16 verifyAddress(const QString &addressText)
    {
        return static_cast<qint16>(verifyAddress(engineText(addressText)));
    }
};

#endif
