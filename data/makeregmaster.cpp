// Writes the sample country catalogue, RegMaster.xml, from Debian's
// iso-codes: every country in alphabetical order, each with its top-level
// subdivisions as regions.
//
//   kvb_makeregmaster <output file> [<iso-codes json folder>]

#include "data/isocodes.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QByteArray catalogueXml(const QList<IsoCodes::Country> &countries)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("RegMaster"));
    for (const IsoCodes::Country &country : countries) {
        writer.writeStartElement(QStringLiteral("Country"));
        writer.writeAttribute(QStringLiteral("LongName"), country.name);
        writer.writeAttribute(QStringLiteral("ShortName"), country.code);
        for (const IsoCodes::Region &region : country.regions) {
            writer.writeStartElement(QStringLiteral("State"));
            writer.writeStartElement(QStringLiteral("LongName"));
            writer.writeAttribute(QStringLiteral("Short"), region.code);
            writer.writeCharacters(region.name);
            writer.writeEndElement();
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: kvb_makeregmaster <output file> [<iso-codes json folder>]\n");
        return 2;
    }
    const QString folder = arguments.size() == 3 ? arguments.at(2) : IsoCodes::defaultFolder();
    const QList<IsoCodes::Country> countries = IsoCodes::readCountries(folder);
    if (countries.isEmpty()) {
        std::fprintf(stderr, "kvb_makeregmaster: no countries found in %s\n", qPrintable(folder));
        return 1;
    }

    const QByteArray xml = catalogueXml(countries);
    QSaveFile file(arguments.at(1));
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size() || !file.commit()) {
        std::fprintf(stderr, "kvb_makeregmaster: cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
