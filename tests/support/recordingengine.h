#ifndef KVB_RECORDINGENGINE_H
#define KVB_RECORDINGENGINE_H

#include "engine/engineclientinterface.h"

#include <QByteArrayList>

#include <functional>

// An engine client for tests: it records what the pages ask of it, and
// answers as the test tells it.
class RecordingEngine : public EngineClientInterface
{
public:
    using EngineClientInterface::verifyAddress;

    void loadEngine(const char *) override { }
    int verifyAddress(const QByteArray &addressText) override
    {
        addresses << addressText;
        if (whileWorking)
            whileWorking();
        return addressResult;
    }
    QByteArray addressReply() const override { return reply; }
    bool submitRegistration(const QByteArray &registrationText) override
    {
        registrations << registrationText;
        if (whileWorking)
            whileWorking();
        return accepts;
    }
    void setCallerType(const char *) override { }

    // The answers: to the address check, with the corrected address it
    // hands back, and to a registration.
    int addressResult = 0;
    QByteArray reply = "ADDRESS_GOOD";
    bool accepts = true;

    // The texts received, in order.
    QByteArrayList addresses;
    QByteArrayList registrations;

    // Runs in the middle of each request, while the engine works.
    std::function<void()> whileWorking;
};

#endif
