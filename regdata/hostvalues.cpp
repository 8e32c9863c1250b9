#include "hostvalues.h"

#include <QSysInfo>

namespace HostValues {

QString systemId()
{
    QString fromHost = qEnvironmentVariable("KVB_SYSTEM_ID");
    if (!fromHost.isEmpty())
        return fromHost;
    return QString::fromLatin1(QSysInfo::machineUniqueId());
}

QString serialNumber()
{
    return qEnvironmentVariable("KVB_SERIAL");
}

} // namespace HostValues
