#ifndef KVB_HOSTVALUES_H
#define KVB_HOSTVALUES_H

#include <QByteArray>
#include <QString>

// The two values that the launching host hands the program through the
// environment and that a registration carries as they stand.
namespace HostValues {

// KVB_SYSTEM_ID; when it is unset or empty, this program's own identifier of
// the machine (see applicationMachineId()).
QString systemId();
// KVB_SERIAL, or empty.
QString serialNumber();

// An identifier of the machine that is this program's alone: the machine's
// unique id must not leave the machine as it is, so the identifier is a keyed
// hash of this program's own id under the machine's id, as a version 4 UUID
// in 32 hexadecimal digits. The same on every start on one machine; neither
// the machine's id nor any other program's identifier, and the machine's id
// cannot be worked back from it. Empty when the machine has no id.
QString applicationMachineId(const QByteArray &machineId);

} // namespace HostValues

#endif
