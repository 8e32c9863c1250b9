#ifndef KVB_ACCESSKEY_H
#define KVB_ACCESSKEY_H

#include <QString>

// A caption with its access key marked by "&", as "&First Name:", read as
// the user and screen readers read it: "First Name:". "&&" stands for an
// "&" itself.
QString withoutAccessKey(const QString &caption);
// The caption that shows text as it is, "&" included, with no access key.
QString literalCaption(const QString &text);

#endif
