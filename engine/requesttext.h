#ifndef KVB_REQUESTTEXT_H
#define KVB_REQUESTTEXT_H

#include "regdata/addressrecord.h"
#include "regdata/contactrecord.h"
#include "regdata/purchasedetails.h"

#include <QList>
#include <QString>

// The key=value texts that the pages hand to the engine client, and the
// reading of the one reply they read: key=value items joined by single
// commas. The service reads a "," in a value as the end of the item, and an
// "=" as the end of the value, and there is no escape: so in a value that
// the user typed each of them goes as a blank, and the service receives the
// rest of what was typed. Values from the maker's own lists (menu captions,
// catalogue names and codes) and from the host go as they stand, as the
// service knows them so.
namespace RequestText {

// One item of a text: its key, its value as the user entered or chose it,
// and whether the user typed it rather than chose it from a list.
struct Pair
{
    QLatin1String key;
    QString value;
    bool typed;
};

// The items of the two texts, in the order in which they are written: the
// address's eight, the region and country by both name and code, and the
// registration's 27, the system identifier, the serial number, the contact
// details, the purchase details and the address.
QList<Pair> addressPairs(const AddressRecord &address);
QList<Pair> registrationPairs(const QString &systemId, const QString &serial,
    const ContactRecord &contact, const PurchaseDetails &purchase, const AddressRecord &address);

// The text of the pairs, each a key, "=" and its value, joined by commas;
// in a typed value "," and "=" become blanks.
QString joined(const QList<Pair> &pairs);

// The address as the address check takes it, and the registration.
QString address(const AddressRecord &address);

QString registration(const QString &systemId, const QString &serial, const ContactRecord &contact,
    const PurchaseDetails &purchase, const AddressRecord &address);

// Fills corrected from the address check's reply of a corrected address.
// Each part is read at its own position and taken only when it holds its key;
// the third part is never read. A reply of fewer than nine parts cannot be
// read: the function then returns false and leaves corrected as it was.
bool readCorrectedAddress(const QString &reply, AddressRecord &corrected);

// Where the address check could not receive a field as the user wrote it,
// because characters in it went as "?", the corrected address keeps the
// user's own text for that field: what came back holds the service's "?",
// not a correction. Fields that the service did correct stay corrected.
void keepWhatCouldNotBeSent(const AddressRecord &original, AddressRecord &corrected);

} // namespace RequestText

#endif
