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

namespace {

QtMessageHandler testHandler = nullptr;

// The offscreen platform warns about every window with a minimum size.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text != QLatin1String("This plugin does not support propagateSizeHints()"))
        testHandler(type, context, text);
}

QPushButton *button(QDialog *dialog, const QString &text)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Opens a new dialog modally on a page, as the pages do, and has act() work
// on it once it is open; a dialog that act() leaves open is then cancelled.
// Returns the chosen name.
QString choose(bool country, const std::function<void(QDialog *, QListWidget *)> &act)
{
    QWidget page;
    CountryDialog *countryDialog = country ? new CountryDialog(&page) : nullptr;
    ResellerDialog *resellerDialog = country ? nullptr : new ResellerDialog(&page);
    QDialog *dialog = country ? static_cast<QDialog *>(countryDialog) : resellerDialog;
    QTimer::singleShot(0, dialog, [dialog, &act] {
        act(dialog, dialog->findChild<QListWidget *>());
        if (dialog->isVisible())
            dialog->reject();
    });
    dialog->exec();
    return country ? countryDialog->selectedCountry() : resellerDialog->selectedReseller();
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
    void keyboardFocusPicksTheFirstItem_data();
    void keyboardFocusPicksTheFirstItem();
    void fileEditedBetweenOpenings();
    void hundredOpeningsLeaveNothingBehind();

private:
    void write(const QString &name, const QByteArray &xml);

    QTemporaryDir m_dir;
};

void TestListDialogs::initTestCase()
{
    testHandler = qInstallMessageHandler(dropSizeHintWarnings);
    DataFolder::setPath(m_dir.path() + "/Tarn/CustomData/");
    QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
}

void TestListDialogs::init()
{
    write("RegMaster.xml",
        "<r><Country LongName='Freedonia'><State/></Country>"
        "<Country LongName='Sylvania'><State/></Country>"
        "<Country LongName='Freedonia'><State/></Country></r>");
    write("RegReseller.xml",
        "<r><Reseller>Amberline</Reseller><Reseller> Bracken </Reseller>"
        "<Reseller>Amberline</Reseller></r>");
}

void TestListDialogs::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestListDialogs::write(const QString &name, const QByteArray &xml)
{
    QFile file(DataFolder::filePath("RegData/" + name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
}

void TestListDialogs::choosing_data()
{
    QTest::addColumn<bool>("country");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");

    for (const char *action : {"Select", "double-click", "Enter", "Cancel", "Escape", "close"}) {
        const bool chooses = QByteArray("Select double-click Enter").contains(action);
        QTest::addRow("country, %s", action)
            << true << action << (chooses ? "Sylvania" : QString());
        QTest::addRow("reseller, %s", action)
            << false << action << (chooses ? " Bracken " : QString());
    }
}

void TestListDialogs::choosing()
{
    QFETCH(bool, country);
    QFETCH(QString, action);
    QFETCH(QString, name);

    const QString chosen = choose(country, [&](QDialog *dialog, QListWidget *list) {
        QCOMPARE(dialog->windowTitle(), country ? "Select a country" : "Select a Reseller");
        QVERIFY(!list->accessibleName().isEmpty());
        QCOMPARE(list->count(), 2);
        // Select waits for a current item.
        QVERIFY(!button(dialog, "Select")->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        list->setCurrentRow(1);
        const QPoint item = list->visualItemRect(list->item(1)).center();
        if (action == "Select" || action == "Cancel") {
            button(dialog, action)->click();
        } else if (action == "double-click") {
            // The first press makes the item the one that the double-click
            // event then has to match.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
        } else if (action == "close") {
            dialog->close();
        } else {
            QTest::keyClick(list, action == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        }
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(chosen, name);
    QCOMPARE(chosen.isNull(), name.isNull());
}

void TestListDialogs::keyboardFocusPicksTheFirstItem_data()
{
    QTest::addColumn<bool>("country");
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("name");

    QTest::newRow("country") << true << QByteArray() << "Freedonia";
    QTest::newRow("empty reseller catalogue: nothing to pick")
        << false << QByteArray("") << QString();
}

void TestListDialogs::keyboardFocusPicksTheFirstItem()
{
    QFETCH(bool, country);
    QFETCH(QByteArray, xml);
    QFETCH(QString, name);

    if (!xml.isNull())
        write(country ? "RegMaster.xml" : "RegReseller.xml", xml);
    const QString chosen = choose(country, [](QDialog *dialog, QListWidget *list) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        list->clearFocus();
        list->setCurrentItem(nullptr);
        list->setFocus(Qt::TabFocusReason);
        // What Select takes is what the user sees highlighted.
        QCOMPARE(list->selectedItems().size(), qMin(list->count(), 1));
        QCOMPARE(list->selectedItems().value(0), list->item(0));
        QCOMPARE(button(dialog, "Select")->isEnabled(), list->count() > 0);
        QTest::keyClick(list, Qt::Key_Return);
    });
    QCOMPARE(chosen, name);
    QCOMPARE(chosen.isNull(), name.isNull());
}

void TestListDialogs::fileEditedBetweenOpenings()
{
    QStringList shown;
    const auto remember = [&shown](QDialog *, QListWidget *list) {
        shown.clear();
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
    };
    choose(true, remember);
    QCOMPARE(shown, QStringList({"Freedonia", "Sylvania"}));
    write("RegMaster.xml", "<r><Country LongName='Ruritania'><State/></Country></r>");
    choose(true, remember);
    QCOMPARE(shown, QStringList {"Ruritania"});

    write("RegReseller.xml", "<r><Reseller>Dovecote</Reseller></r>");
    choose(false, remember);
    QCOMPARE(shown, QStringList {"Dovecote"});
}

void TestListDialogs::hundredOpeningsLeaveNothingBehind()
{
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int i = 0; i < 100; ++i) {
        choose(true, [](QDialog *, QListWidget *list) { list->setCurrentRow(0); });
        choose(false, [](QDialog *, QListWidget *list) { list->setCurrentRow(0); });
    }
    QCOMPARE(QApplication::allWidgets().size(), widgets);
}

QTEST_MAIN(TestListDialogs)
#include "tst_listdialogs.moc"
