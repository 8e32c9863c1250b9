#include "requestbenchmark.h"

#include "benchmarktable.h"

#include "engine/engineclient.h"
#include "engine/requesttext.h"
#include "platform/platform.h"
#include "regdata/addressrecord.h"

namespace {

// One request takes microseconds, so each measurement times a batch.
constexpr int RequestsPerRun = 100;

QByteArray sentParameters;

int recordParameters(const char *command, const char *parameters, char *reply)
{
    if (qstrcmp(command, "SENDADDRESS") == 0)
        sentParameters = parameters;
    reply[0] = '\0';
    return 0;
}

// An address as a user types it, which the engine sends back corrected.
AddressRecord typedAddress()
{
    AddressRecord address;
    address.streetAddress1 = QStringLiteral("350 fifth avenue");
    address.city = QStringLiteral("new york");
    address.regionName = QStringLiteral("New York");
    address.regionCode = QStringLiteral("NY");
    address.postcode = QStringLiteral("10118");
    address.countryName = QStringLiteral("United States");
    address.countryCode = QStringLiteral("US");
    return address;
}

} // namespace

RequestBenchmark::RequestBenchmark(const QByteArray &library)
    : m_library(library)
{ }

bool RequestBenchmark::run(BenchmarkTable &table, int repetitions)
{
    EngineClient &client = EngineClient::instance();
    client.loadEngineLibrary(m_library.toStdString());
    client.setCallerType("KVB");
    const auto entry = reinterpret_cast<EngineContract::Entry>(Platform::resolveFunction(
        Platform::loadLibrary(m_library.toStdString()), EngineContract::EntryName));
    if (!client.isEngineLoaded() || !entry) {
        m_error = QStringLiteral("cannot load the engine ") + QString::fromLocal8Bit(m_library);
        return false;
    }

    const QString text = RequestText::address(typedAddress());
    client.setEngineEntry(recordParameters);
    client.verifyAddress(text);
    client.setEngineEntry(entry);
    char reply[EngineContract::ReplySize];
    const int oursResult = client.verifyAddress(text);
    const int baselineResult = entry("SENDADDRESS", sentParameters.constData(), reply);
    if (oursResult != 1 || baselineResult != oursResult) {
        m_error = QStringLiteral("the engine answered %1 to the client and %2 to the direct call")
                      .arg(oursResult)
                      .arg(baselineResult);
        return false;
    }

    const auto perRequest = [](const std::function<void()> &request) {
        return BenchmarkTable::milliseconds([&request] {
            for (int i = 0; i < RequestsPerRun; ++i)
                request();
        }) / RequestsPerRun;
    };
    table.addTimeRatio(QStringLiteral("address request through the engine client"),
        BenchmarkTable::alternate(
            repetitions, [&] { return perRequest([&] { client.verifyAddress(text); }); },
            [&] {
                return perRequest([&] { entry("SENDADDRESS", sentParameters.constData(), reply); });
            }),
        1.1);
    return true;
}
