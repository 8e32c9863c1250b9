#ifndef QUILL_ADDRESSVERIFIER_H
#define QUILL_ADDRESSVERIFIER_H

#include "quillanswer.h"

#include <QByteArray>
#include <QHash>

// The stand-in's address verification service ("SENDADDRESS"), which checks
// an address against the ISO 3166 countries and subdivisions of the
// iso-codes data and corrects it to its standard form.
namespace AddressVerifier {

// parameters holds the request's values by key, as Latin-1 bytes.
QuillAnswer verify(const QHash<QByteArray, QByteArray> &parameters);

} // namespace AddressVerifier

#endif
