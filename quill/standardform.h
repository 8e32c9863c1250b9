#ifndef QUILL_STANDARDFORM_H
#define QUILL_STANDARDFORM_H

#include <QString>

#include <optional>

// The standard form of the parts of a postal address. Each function gives
// back its own result unchanged, so a corrected address is accepted when it
// is sent again.
namespace StandardForm {

// Blanks trimmed and collapsed, words capitalised, compass directions in
// capitals, common street suffixes abbreviated ("Avenue" becomes "Ave").
QString streetLine(const QString &line);

// Blanks trimmed and collapsed, words capitalised.
QString placeName(const QString &name);

// A country or region code: trimmed, in capitals.
QString code(const QString &code);

// The postcode in its country's own form ("k1a0b1" becomes "K1A 0B1" in
// Canada), or nothing when it does not have that form. For a country whose
// form is not known, any postcode that is not blank, in capitals.
std::optional<QString> postcode(const QString &countryCode, const QString &postcode);

} // namespace StandardForm

#endif
