#ifndef KVB_ENGINECLIENT_H
#define KVB_ENGINECLIENT_H

#include "engineclientinterface.h"
#include "enginecontract.h"

#include <QByteArray>
#include <QMap>

#include <array>
#include <optional>
#include <string>

// The one engine client of the process. Every command goes through the
// engine's entry point: the parameter map is turned into a key=value text,
// and the engine writes its reply into a shared buffer (see EngineContract).
class EngineClient : public EngineClientInterface
{
public:
    // Keys in ascending byte order: upper case before lower case.
    using ParameterMap = QMap<QByteArray, QByteArray>;

    // The result of a command when no engine entry point is available.
    static constexpr int NoEngine = -1;
    // What verifyAddress() answers when the text holds too few items to be an
    // address; the engine is then not asked.
    static constexpr int TextTooShort = -2;

    static EngineClient &instance();

    EngineClient() = default;
    EngineClient(const EngineClient &) = delete;
    EngineClient &operator=(const EngineClient &) = delete;

    void loadEngine(const char *programPath) override;
    // Loads the engine from the library at libraryPath, as loadEngine() does from the one
    // beside the program; an empty path keeps the library loaded before.
    void loadEngineLibrary(const std::string &libraryPath);
    using EngineClientInterface::verifyAddress;
    int verifyAddress(const QByteArray &addressText) override;
    QByteArray addressReply() const override;
    bool submitRegistration(const QByteArray &registrationText) override;
    void setCallerType(const char *callerType) override;

    // Whether loadEngine() or loadEngineLibrary() has been called, whatever
    // it found: the library is loaded once in the process.
    bool hasTriedLoading() const { return m_hasTriedLoading; }
    // Whether there is an entry point to call.
    bool isEngineLoaded() const { return m_entry != nullptr; }

    // Sends every later command to entry instead of the loaded library.
    void setEngineEntry(EngineContract::Entry entry) { m_entry = entry; }

    static QByteArray parameterText(const ParameterMap &parameters);

    // The parameter texts that verifyAddress() and submitRegistration() hand
    // the engine for a text, byte for byte; empty when the text holds too few
    // items to be sent.
    static QByteArray addressParameterText(const QByteArray &addressText);
    static QByteArray registrationParameterText(const QByteArray &registrationText);

    int sendCallerType(const ParameterMap &parameters);
    int sendAddress(const ParameterMap &parameters, QByteArray &reply);
    int sendRegistrationData(const ParameterMap &parameters, QByteArray &reply);

private:
    int callCommand(const char *command, const ParameterMap &parameters, QByteArray *reply);
    void announceCaller();
    // The parameters of a request from a key=value text, or none when the
    // text has fewer than minimumItems items.
    template <std::size_t KeyCount>
    static std::optional<ParameterMap> parameters(const QByteArray &text, int minimumItems,
        const char *registerValue, const std::array<const char *, KeyCount> &keys);
    static std::optional<ParameterMap> addressParameters(const QByteArray &text);
    static std::optional<ParameterMap> registrationParameters(const QByteArray &text);

    bool m_hasTriedLoading = false;
    EngineContract::Entry m_entry = nullptr;
    ParameterMap m_parameters;
    QByteArray m_reply;
    std::optional<QByteArray> m_addressReply;
    const char *m_callerType = nullptr;
};

#endif
