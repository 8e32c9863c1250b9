#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/xmlregstruct.h"
#include "regdata/xmlresellerstruct.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// What the data files hold in place of a usable file.
enum class Placement
{
    File,
    NamedPipe,
    EndlessDevice
};
Q_DECLARE_METATYPE(Placement)

namespace {

// A saved record, a country catalogue and a reseller catalogue in one
// document: each reader finds its own part, so one file serves as all three.
const QByteArray usable = "<FirstRegPage><City>Oslo</City></FirstRegPage>"
                          "<Country LongName=\"Norway\" ShortName=\"NO\"><State>"
                          "<LongName Short=\"03\">Oslo</LongName></State></Country>"
                          "<Reseller ID=\"1\">Nordic Soft</Reseller>";

const QByteArray secret = "The content of a local file";

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(KVB_TEST_DATA_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing fixture)");
}

// The usable parts, then the hostile ones: a reader that let the hostile
// parts through would find the usable ones.
QByteArray afterUsable(const QByteArray &hostile)
{
    return "<Data>" + usable + hostile + "</Data>";
}

QByteArray attributes(int count)
{
    QByteArray element = "<e";
    for (int i = 0; i < count; ++i)
        element += " a" + QByteArray::number(i) + "='v'";
    return element + "/>";
}

// Everything the three readers give, as "Element=value" for the saved
// record's non-empty fields, "country|region|code" for the regions and
// "Reseller=name" for the resellers.
QStringList readEverything(bool *recordFound)
{
    QStringList values;
    ReadRegInfo record;
    *recordFound = record.recordFound();
    for (const auto &field : FirstPageRecord::fields) {
        const QString &value = record.firstPageRecord()->*field.value;
        if (!value.isEmpty())
            values << QLatin1String(field.element) + '=' + value;
    }
    for (const auto &field : SecondPageRecord::fields) {
        const QString &value = record.secondPageRecord()->*field.value;
        if (!value.isEmpty())
            values << QLatin1String(field.element) + '=' + value;
    }
    XMLRegStruct countries;
    for (const RegionEntry *region : countries.regions())
        values << region->country->longName + '|' + region->longName + '|' + region->shortCode;
    XMLResellerStruct resellers;
    for (const QString &name : resellers.resellerNames())
        values << "Reseller=" + name;
    return values;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void readsSafely_data();
    void readsSafely();
};

void TestHostileFiles::readsSafely_data()
{
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("values");

    const Placement file = Placement::File;
    const QStringList none;
    const QStringList all {"City=Oslo", "Norway|Oslo|03", "Reseller=Nordic Soft"};

    QTest::newRow("usable") << file << afterUsable("") << true << all;
    QTest::newRow("empty") << file << fixture("hostile/empty.xml") << true << none;
    QTest::newRow("binary noise") << file << fixture("hostile/noise.bin") << true << none;
    QTest::newRow("truncated in an element: the part before it is kept")
        << file << fixture("hostile/truncated.xml") << true << QStringList {"City=Oslo"};
    QTest::newRow("Latin-1 without a declaration")
        << file << fixture("hostile/latin1-undeclared.xml") << true << none;
    QTest::newRow("UTF-8 declared as UTF-16")
        << file << fixture("hostile/utf16-declared.xml") << true << none;
    QTest::newRow("entity-expansion bomb")
        << file << fixture("hostile/entity-bomb.xml") << true << none;
    QTest::newRow("external entities in text are not fetched")
        << file << fixture("hostile/external-entity.xml") << true << all;
    QTest::newRow("external entity in an attribute value ends the document")
        << file << fixture("hostile/external-entity-attribute.xml") << true
        << QStringList {"City=Oslo"};
    QTest::newRow("a million elements")
        << file << afterUsable(QByteArray("<e/>").repeated(1000000)) << true << none;
    QTest::newRow("nesting 100,000 deep")
        << file
        << afterUsable(QByteArray("<e>").repeated(100000) + QByteArray("</e>").repeated(100000))
        << true << none;
    QTest::newRow("100,000 attributes on one element")
        << file << afterUsable(attributes(100000)) << true << none;
    QTest::newRow("50 MB") << file
                           << afterUsable("<!--" + QByteArray(50 * 1000 * 1000, '-') + " -->")
                           << true << none;
    QTest::newRow("a named pipe that nobody writes")
        << Placement::NamedPipe << QByteArray() << false << none;
    QTest::newRow("an endless device") << Placement::EndlessDevice << QByteArray() << false << none;
}

void TestHostileFiles::readsSafely()
{
    QFETCH(Placement, placement);
    QFETCH(QByteArray, content);
    QFETCH(bool, found);
    QFETCH(QStringList, values);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString secretFile = dir.filePath("secret.txt");
    QFile secretWriter(secretFile);
    QVERIFY(secretWriter.open(QIODevice::WriteOnly) && secretWriter.write(secret) > 0);
    secretWriter.close();
    content.replace("@SECRET_FILE@", QFile::encodeName(secretFile));

    // One file, named as each of the three.
    DataFolder::setPath(dir.filePath("Tarn/CustomData/"));
    QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
    const QString hostile = dir.filePath("hostile");
    switch (placement) {
    case Placement::File: {
        QFile writer(hostile);
        QVERIFY(writer.open(QIODevice::WriteOnly) && writer.write(content) == content.size());
        break;
    }
    case Placement::NamedPipe:
        QCOMPARE(mkfifo(QFile::encodeName(hostile).constData(), 0600), 0);
        break;
    case Placement::EndlessDevice:
        QVERIFY(QFile::link("/dev/zero", hostile));
        break;
    }
    for (const char *name : {"RegInfo.xml", "RegMaster.xml", "RegReseller.xml"})
        QVERIFY(QFile::link(hostile, DataFolder::filePath("RegData/") + name));

    bool recordFound = false;
    const QStringList read = readEverything(&recordFound);
    QCOMPARE(read, values);
    QCOMPARE(recordFound, found);
    QVERIFY(!read.join('\n').contains(QString::fromLatin1(secret)));
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
