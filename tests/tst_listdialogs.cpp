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

using Action = std::function<void(QDialog *, QListWidget *, QPushButton *select)>;

// Opens a new dialog modally on a page, as the pages do, and has act() work
// on it once it is open; a dialog that act() leaves open is then cancelled.
// Returns the chosen name.
QString choose(bool country, const Action &act)
{
    QWidget page;
    auto *countryDialog = country ? new CountryDialog(&page) : nullptr;
    auto *resellerDialog = country ? nullptr : new ResellerDialog(&page);
    QDialog *dialog = country ? static_cast<QDialog *>(countryDialog) : resellerDialog;
    QTimer::singleShot(0, dialog, [dialog, &act] {
        QPushButton *select = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            select = button->text() == "Select" ? button : select;
        act(dialog, dialog->findChild<QListWidget *>(), select);
        if (dialog->isVisible())
            dialog->reject();
    });
    dialog->exec();
    return country ? countryDialog->selectedCountry() : resellerDialog->selectedReseller();
}

QStringList shownNames(bool country)
{
    QStringList shown;
    choose(country, [&shown](QDialog *, QListWidget *list, QPushButton *) {
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
    });
    return shown;
}

void write(const QString &name, const QByteArray &xml)
{
    QFile file(DataFolder::filePath("RegData/" + name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
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
    void keyboardFocusPicksTheFirstItem();
    void fileIsReadAtEachOpening();

private:
    QTemporaryDir m_dir;
};

void TestListDialogs::initTestCase()
{
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

void TestListDialogs::choosing_data()
{
    QTest::addColumn<bool>("country");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");

    // Both dialogs share their buttons and keys; each hands back its own
    // choice.
    for (const char *action : {"Select", "double-click", "Enter", "Cancel", "Escape", "close"}) {
        const bool chooses = QByteArray("Select double-click Enter").contains(action);
        QTest::addRow("country, %s", action)
            << true << action << (chooses ? "Sylvania" : QString());
    }
    QTest::newRow("reseller, Select") << false << "Select"
                                      << " Bracken ";
    QTest::newRow("reseller, Cancel") << false << "Cancel" << QString();
}

void TestListDialogs::choosing()
{
    QFETCH(bool, country);
    QFETCH(QString, action);
    QFETCH(QString, name);

    const QString chosen
        = choose(country, [&](QDialog *dialog, QListWidget *list, QPushButton *select) {
              QCOMPARE(list->count(), 2);
              // Select waits for a current item.
              QVERIFY(!select->isEnabled());
              QTest::keyClick(list, Qt::Key_Return);
              QVERIFY(dialog->isVisible());
              list->setCurrentRow(1);
              const QPoint item = list->visualItemRect(list->item(1)).center();
              if (action == "Select" || action == "Cancel") {
                  for (QPushButton *button : dialog->findChildren<QPushButton *>())
                      if (button->text() == action)
                          button->click();
              } else if (action == "double-click") {
                  // The first press makes the item the one that the
                  // double-click event then has to match.
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

void TestListDialogs::keyboardFocusPicksTheFirstItem()
{
    // An empty catalogue leaves nothing to pick.
    write("RegReseller.xml", "");
    for (const bool country : {true, false}) {
        const QString chosen
            = choose(country, [](QDialog *dialog, QListWidget *list, QPushButton *select) {
                  QVERIFY(QTest::qWaitForWindowActive(dialog));
                  list->clearFocus();
                  list->setCurrentItem(nullptr);
                  list->setFocus(Qt::TabFocusReason);
                  // What Select takes is what the user sees highlighted.
                  QCOMPARE(list->selectedItems().size(), qMin(list->count(), 1));
                  QCOMPARE(list->selectedItems().value(0), list->item(0));
                  QCOMPARE(select->isEnabled(), list->count() > 0);
                  QTest::keyClick(list, Qt::Key_Return);
              });
        QCOMPARE(chosen, country ? "Freedonia" : QString());
        QCOMPARE(chosen.isNull(), !country);
    }
}

void TestListDialogs::fileIsReadAtEachOpening()
{
    QCOMPARE(shownNames(true), QStringList({"Freedonia", "Sylvania"}));
    write("RegMaster.xml", "<r><Country LongName='Ruritania'><State/></Country></r>");
    QCOMPARE(shownNames(true), QStringList {"Ruritania"});
    write("RegReseller.xml", "<r><Reseller>Dovecote</Reseller></r>");
    QCOMPARE(shownNames(false), QStringList {"Dovecote"});

    // A hundred openings leave no widget behind.
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int i = 0; i < 100; ++i)
        shownNames(i % 2);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
}

QTEST_MAIN(TestListDialogs)
#include "tst_listdialogs.moc"
