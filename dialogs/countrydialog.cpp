#include "countrydialog.h"

#include "regdata/countrynames.h"
#include "regdata/xmlregstruct.h"

#include <QCollator>

#include <QListWidget>

#include <algorithm>

CountryDialog::CountryDialog(QWidget *parent)
    : ListDialog(parent)
{
    //: The name of the list of countries, for screen readers.
    listWidget()->setAccessibleName(tr("Countries"));
    setWindowTitle(tr("Select a country"));
}

QList<ListDialog::Entry> CountryDialog::readEntries() const
{
    const XMLRegStruct catalogue;
    QList<Entry> entries;
    for (const QString &name : catalogue.countryNames()) {
        const QString code = catalogue.countryCode(name);
        entries.append({name, CountryNames::shown(name, code), CountryNames::searchNames(code),
            CountryNames::codes(code)});
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&collator](const Entry &a, const Entry &b) {
        return collator.compare(a.shown, b.shown) < 0;
    });
    return entries;
}
