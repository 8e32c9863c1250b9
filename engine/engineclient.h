#ifndef KVB_ENGINECLIENT_H
#define KVB_ENGINECLIENT_H

#include "engineclientinterface.h"
#include "enginecontract.h"

#include <QByteArray>
#include <QMap>
#include <QVarLengthArray>

#include <initializer_list>
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
    bool hasLoaded() const { return m_hasLoaded; }
    bool isEngineLoaded() const { return m_entry != nullptr; }

    // Sends every later command to entry instead of the loaded library.
    void setEngineEntry(EngineContract::Entry entry) { m_entry = entry; }

    static QByteArray parameterText(const ParameterMap &parameters);

    // The value of key in a key=value text: the text is split at every comma,
    // and the first item whose part before its first "=" equals key byte for
    // byte gives the text after that "=", up to the next "=" or the item's
    // end. "UNSUPPORTED" when no item matches.
    static QByteArray lookUpValue(const QByteArray &text, const QByteArray &key);

    int sendCallerType(const ParameterMap &parameters);
    int sendAddress(const ParameterMap &parameters, QByteArray &reply);
    int sendRegistrationData(const ParameterMap &parameters, QByteArray &reply);

private:
    // The items of a key=value text, split at every comma, as views into it.
    using Items = QVarLengthArray<QByteArrayView, 32>;
    static Items splitItems(QByteArrayView text);
    static QByteArray lookUpValue(const Items &items, QByteArrayView key);

    int callCommand(const char *command, const ParameterMap &parameters, QByteArray *reply);
    void announceCaller();
    bool fillParameters(const QByteArray &text, int minimumItems, const char *registerValue,
        std::initializer_list<const char *> keys);

    bool m_hasLoaded = false;
    EngineContract::Entry m_entry = nullptr;
    ParameterMap m_parameters;
    QByteArray m_reply;
    std::optional<QByteArray> m_addressReply;
    const char *m_callerType = nullptr;
};

#endif
