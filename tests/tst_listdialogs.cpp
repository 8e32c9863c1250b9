#include "regdata/countrydialog.h"
#include "regdata/datafolder.h"
#include "regdata/resellerdialog.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

enum Kind
{
    Country,
    Reseller
};

const QByteArray countries = R"(<RegMaster>
  <Country LongName="Freedonia" ShortName="FD"><State><LongName Short="N">North</LongName></State></Country>
  <Country LongName="Sylvania" ShortName="SY"><State><LongName Short="S">South</LongName></State></Country>
  <Country LongName="Freedonia" ShortName="F2"><State><LongName Short="E">East</LongName></State></Country>
  <Country LongName="Grand Fenwick" ShortName="GF"><State><LongName Short="C">City</LongName></State></Country>
</RegMaster>)";

const QByteArray resellers = R"(<RegReseller>
  <Reseller ID="1">Amberline</Reseller>
  <Reseller ID="2"> Brackenford </Reseller>
  <Reseller ID="3">Amberline</Reseller>
  <Reseller ID="4">Cinderpath</Reseller>
</RegReseller>)";

std::unique_ptr<ListDialog> makeDialog(Kind kind, QWidget *parent = nullptr)
{
    if (kind == Country)
        return std::make_unique<CountryDialog>(parent);
    return std::make_unique<ResellerDialog>(parent);
}

QString selectedName(const ListDialog *dialog)
{
    if (auto country = qobject_cast<const CountryDialog *>(dialog))
        return country->selectedCountry();
    return qobject_cast<const ResellerDialog *>(dialog)->selectedReseller();
}

QPushButton *button(QDialog *dialog, const QString &text)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QStringList shownNames(const QListWidget *list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

QtMessageHandler testHandler = nullptr;

// The offscreen platform warns about every window with a minimum size.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        testHandler(type, context, message);
}

// A double-click as the view sees it: the first press makes the item the
// pressed one, which the double-click event then has to match.
void doubleClick(QListWidget *list, int row)
{
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// Runs the dialog modally, as the pages do, with act() working on it once it
// is open; a dialog that act() leaves open is then cancelled.
int runWith(QDialog *dialog, const std::function<void(QListWidget *)> &act)
{
    QTimer::singleShot(0, dialog, [dialog, act] {
        act(dialog->findChild<QListWidget *>());
        if (dialog->isVisible())
            dialog->reject();
    });
    return dialog->exec();
}

} // namespace

class TestListDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void choosing_data();
    void choosing();
    void selectWaitsForCurrentItem_data();
    void selectWaitsForCurrentItem();
    void fileEditedBetweenOpenings_data();
    void fileEditedBetweenOpenings();
    void hundredOpeningsLeaveNothingBehind();

private:
    void writeFile(const QString &name, const QByteArray &contents);

    QTemporaryDir m_dir;
};

void TestListDialogs::initTestCase()
{
    testHandler = qInstallMessageHandler(dropSizeHintWarnings);
    QVERIFY(m_dir.isValid());
    DataFolder::setPath(m_dir.path() + "/Tarn/CustomData/");
}

void TestListDialogs::init()
{
    QDir(DataFolder::filePath("RegData")).removeRecursively();
    QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
    writeFile("RegMaster.xml", countries);
    writeFile("RegReseller.xml", resellers);
}

void TestListDialogs::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestListDialogs::writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(DataFolder::filePath("RegData/" + name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

void TestListDialogs::choosing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");

    const QStringList actions {"Select", "double-click", "Enter", "Cancel", "Escape", "close"};
    for (const QString &action : actions) {
        const bool chooses = actions.indexOf(action) < 3;
        QTest::addRow("country, %s", qPrintable(action))
            << int(Country) << action << (chooses ? "Sylvania" : QString());
        QTest::addRow("reseller, %s", qPrintable(action))
            << int(Reseller) << action << (chooses ? " Brackenford " : QString());
    }
}

void TestListDialogs::choosing()
{
    QFETCH(int, kind);
    QFETCH(QString, action);
    QFETCH(QString, name);

    QWidget page;
    const auto dialog = makeDialog(Kind(kind), &page);
    const int result = runWith(dialog.get(), [&](QListWidget *list) {
        QCOMPARE(dialog->windowTitle(),
            kind == Country ? QString("Select a country") : QString("Select a Reseller"));
        QVERIFY(!list->accessibleName().isEmpty());
        QCOMPARE(list->count(), 3);
        list->setFocus();
        list->setCurrentRow(1);
        if (action == "Select")
            button(dialog.get(), "Select")->click();
        else if (action == "double-click")
            doubleClick(list, 1);
        else if (action == "Enter")
            QTest::keyClick(list, Qt::Key_Return);
        else if (action == "Cancel")
            button(dialog.get(), "Cancel")->click();
        else if (action == "Escape")
            QTest::keyClick(list, Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(result, name.isNull() ? int(QDialog::Rejected) : int(QDialog::Accepted));
    QCOMPARE(selectedName(dialog.get()), name);
    QCOMPARE(selectedName(dialog.get()).isNull(), name.isNull());
}

void TestListDialogs::selectWaitsForCurrentItem_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("fileMissing");

    QTest::newRow("country") << int(Country) << false;
    QTest::newRow("reseller") << int(Reseller) << false;
    QTest::newRow("country, no catalogue") << int(Country) << true;
    QTest::newRow("reseller, no catalogue") << int(Reseller) << true;
}

void TestListDialogs::selectWaitsForCurrentItem()
{
    QFETCH(int, kind);
    QFETCH(bool, fileMissing);

    if (fileMissing)
        QDir(DataFolder::filePath("RegData")).removeRecursively();
    const auto dialog = makeDialog(Kind(kind));
    QPushButton *select = button(dialog.get(), "Select");
    const int result = runWith(dialog.get(), [&](QListWidget *list) {
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(list->count(), fileMissing ? 0 : 3);
        list->clearFocus();
        list->setCurrentItem(nullptr);
        QVERIFY(!select->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog->isVisible());

        // Keyboard focus makes the first item current, highlighted, and ready
        // for Select.
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(select->isEnabled(), !fileMissing);
        if (!fileMissing)
            QCOMPARE(list->selectedItems(), QList<QListWidgetItem *> {list->item(0)});
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(selectedName(dialog.get()).isNull());
}

void TestListDialogs::fileEditedBetweenOpenings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("edited");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("country") << int(Country) << "RegMaster.xml"
                             << QByteArray(R"(<r><Country LongName="Ruritania" ShortName="RU">
                                              <State><LongName Short="Z">Zenda</LongName></State></Country></r>)")
                             << QStringList {"Freedonia", "Sylvania", "Grand Fenwick"}
                             << QStringList {"Ruritania"};
    QTest::newRow("reseller") << int(Reseller) << "RegReseller.xml"
                              << QByteArray(R"(<r><Reseller ID="9">Dovecote</Reseller></r>)")
                              << QStringList {"Amberline", " Brackenford ", "Cinderpath"}
                              << QStringList {"Dovecote"};
    QTest::newRow("country file emptied")
        << int(Country) << "RegMaster.xml" << QByteArray("")
        << QStringList {"Freedonia", "Sylvania", "Grand Fenwick"} << QStringList();
}

void TestListDialogs::fileEditedBetweenOpenings()
{
    QFETCH(int, kind);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, edited);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    QStringList shown;
    auto remember = [&shown](QListWidget *list) { shown = shownNames(list); };
    runWith(makeDialog(Kind(kind)).get(), remember);
    QCOMPARE(shown, before);

    writeFile(fileName, edited);
    runWith(makeDialog(Kind(kind)).get(), remember);
    QCOMPARE(shown, after);
}

void TestListDialogs::hundredOpeningsLeaveNothingBehind()
{
    QWidget page;
    const int widgets = QApplication::allWidgets().size();
    for (int i = 0; i < 100; ++i) {
        for (Kind kind : {Country, Reseller}) {
            const auto dialog = makeDialog(kind, &page);
            runWith(dialog.get(), [](QListWidget *list) { list->setCurrentRow(0); });
        }
    }
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QVERIFY(page.children().isEmpty());
}

QTEST_MAIN(TestListDialogs)
#include "tst_listdialogs.moc"
