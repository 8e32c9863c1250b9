#include "recordingengine.h"

int RecordingEngine::verifyAddress(const QByteArray &addressText)
{
    addresses << addressText;
    if (whileWorking)
        whileWorking();
    return addressResult;
}

bool RecordingEngine::submitRegistration(const QByteArray &registrationText)
{
    registrations << registrationText;
    if (whileWorking)
        whileWorking();
    return accepts;
}
