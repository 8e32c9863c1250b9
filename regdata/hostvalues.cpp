#include "hostvalues.h"

#include <QMessageAuthenticationCode>
#include <QSysInfo>

namespace HostValues {

namespace {

// This program's own id, fixed for good: a new one would give every machine
// a new identifier.
const QByteArray ApplicationId = QByteArray::fromHex("98b024a50761d7dce30cb284ccb7c00b");

} // namespace

QString systemId()
{
    QString fromHost = qEnvironmentVariable("KVB_SYSTEM_ID");
    if (!fromHost.isEmpty())
        return fromHost;
    return applicationMachineId(QSysInfo::machineUniqueId());
}

QString serialNumber()
{
    return qEnvironmentVariable("KVB_SERIAL");
}

QString applicationMachineId(const QByteArray &machineId)
{
    // The id as the system keeps it, in hexadecimal digits, with dashes on
    // some systems.
    const QByteArray key = QByteArray::fromHex(machineId);
    if (key.isEmpty())
        return QString();
    QByteArray id
        = QMessageAuthenticationCode::hash(ApplicationId, key, QCryptographicHash::Sha256).left(16);
    id[6] = char((id[6] & 0x0f) | 0x40);
    id[8] = char((id[8] & 0x3f) | 0x80);
    return QString::fromLatin1(id.toHex());
}

} // namespace HostValues
