#ifndef KVB_HOSTVALUES_H
#define KVB_HOSTVALUES_H

#include <QString>

// The two values that the launching host hands the program through the
// environment and that a registration carries as they stand.
namespace HostValues {

// KVB_SYSTEM_ID, or the machine's unique id when it is unset or empty.
QString systemId();
// KVB_SERIAL, or empty.
QString serialNumber();

} // namespace HostValues

#endif
