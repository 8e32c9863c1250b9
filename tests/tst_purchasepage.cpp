#include "engine/engineclient.h"
#include "regdata/datafolder.h"
#include "regdata/listdialog.h"
#include "regdata/readreginfo.h"
#include "wizard/managewidget.h"
#include "wizard/purchasedetails.h"
#include "wizard/registrationtab.h"
#include "wizard/secondregpage.h"
#include "wizard/statuslabel.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <time.h>

namespace {

// The engine records the commands and answers SENDREGDATA with
// registrationResult.
QByteArrayList commands;
QByteArray sentRegistration;
int registrationResult = 0;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    commands << command;
    reply[0] = '\0';
    if (commands.last() != "SENDREGDATA")
        return 0;
    sentRegistration = parameters;
    return registrationResult;
}

QPushButton *button(QWidget *page, const QString &objectName)
{
    if (auto *found = page->findChild<QPushButton *>(objectName))
        return found;
    qFatal("No button %s", qPrintable(objectName));
}

QStringList items(QWidget *page, const QString &buttonName)
{
    QStringList texts;
    for (const QAction *action : button(page, buttonName)->menu()->actions())
        texts << action->text();
    return texts;
}

void choose(QWidget *page, const QString &buttonName, const QString &item)
{
    const int index = items(page, buttonName).indexOf(item);
    button(page, buttonName)->menu()->actions().value(index)->trigger();
}

// Picks name in the dialog that the reseller button opens; a name that is
// not listed cancels the dialog.
void pickReseller(QWidget *page, const QString &name)
{
    QTimer::singleShot(0, page, [name] {
        auto *dialog = qobject_cast<ListDialog *>(QApplication::activeModalWidget());
        auto *list = dialog->findChild<QListWidget *>();
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
        dialog->OnSelectClick();
        if (dialog->isVisible())
            dialog->reject();
    });
    button(page, "Reseller")->click();
}

// Every required choice; the reseller when one is named.
void chooseAll(QWidget *page, const QString &reseller)
{
    choose(page, "MonthButton", "March");
    choose(page, "DayButton", "15");
    choose(page, "YearButton", items(page, "YearButton").last());
    choose(page, "PurchaseLocation", reseller.isEmpty() ? "Bundle" : "Tarn Reseller");
    if (!reseller.isEmpty())
        pickReseller(page, reseller);
    choose(page, "BuyerDescription", "Student");
    choose(page, "BuyerBusiness", "Studio");
    choose(page, "BuyerWorkType", "Film");
}

QStringList captions(QWidget *page)
{
    QStringList texts;
    for (const char *name : {"MonthButton", "DayButton", "YearButton", "PurchaseLocation",
             "Reseller", "BuyerDescription", "BuyerBusiness", "BuyerWorkType"})
        texts << button(page, name)->text();
    return texts;
}

QList<bool> actionsEnabled(QWidget *page)
{
    return {button(page, "Save")->isEnabled(), button(page, "Save and Register")->isEnabled()};
}

const QList<bool> Enabled {true, true};
const QList<bool> Disabled {false, false};

// The wizard as the main window puts it together, with the contact details
// and the address that the earlier pages hand over.
struct Wizard
{
    Wizard()
    {
        for (QWidget *page :
            {tab.firstRegPage(), tab.correctRegPage(), tab.unknownRegPage(), tab.secondRegPage()})
            stack.addWidget(page);
        ManageWidget::instance()->setRegistrationStack(&stack);
        page->setContact(QSharedPointer<ContactRecord>(new ContactRecord {
            "Łukasz", "Lee", "Acme", "Post", "ann@example.com", "555 0100", "Ms"}));
        page->setAddress(QSharedPointer<AddressRecord>(new AddressRecord {
            "1 Main St", "", "Town", "Some Region", "XX", "12345", "Some Country", "YY"}));
        stack.setCurrentWidget(page);
        stack.show();
    }

    RegistrationTab tab;
    QStackedWidget stack;
    SecondRegPage *page = qobject_cast<SecondRegPage *>(tab.secondRegPage());
};

QString savedFile()
{
    return DataFolder::filePath("RegData/RegInfo.xml");
}

} // namespace

class TestPurchasePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void purchaseDate_data();
    void purchaseDate();
    void registrationText();
    void choicesEnableTheActions();
    void fillFromRecord_data();
    void fillFromRecord();
    void actions_data();
    void actions();
    void pageFitsAndIsAccessible();

private:
    std::unique_ptr<QTemporaryDir> m_dataFolder;
};

void TestPurchasePage::initTestCase()
{
    qputenv("KVB_SYSTEM_ID", "SYS-1");
    qputenv("KVB_SERIAL", "SN-2");
    EngineClient::instance().setEngineEntry(recordingEntry);
    EngineClient::instance().setCallerType("KVB");
}

void TestPurchasePage::init()
{
    // One hour east of UTC, without daylight saving: the purchase date goes
    // as 23:00 UTC the day before.
    qputenv("TZ", "UTC-1");
    tzset();
    m_dataFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dataFolder->path()).mkpath("Tarn/CustomData/RegData"));
    DataFolder::setPath(m_dataFolder->filePath("Tarn/CustomData/"));
    QFile resellers(DataFolder::filePath("RegData/RegReseller.xml"));
    QVERIFY(resellers.open(QIODevice::WriteOnly));
    resellers.write("<RegReseller><Reseller ID=\"1\">Best Video</Reseller>"
                    "<Reseller ID=\"2\">Cut Above</Reseller></RegReseller>");
    commands.clear();
    sentRegistration.clear();
}

void TestPurchasePage::cleanup()
{
    auto windows = QApplication::topLevelWidgets();
    windows.removeOne(ManageWidget::instance());
    QVERIFY(windows.isEmpty());
}

void TestPurchasePage::purchaseDate_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");

    // Month and day go one too low, the month counted from 0.
    QTest::newRow("15 March 2010") << 2 << 15 << 2010 << "01/13/2010 23:00:01";
    QTest::newRow("31 March, leap year") << 2 << 31 << 2024 << "01/29/2024 23:00:01";
    QTest::newRow("31 March") << 2 << 31 << 2023 << "02/01/2023 23:00:01";
    QTest::newRow("1 January") << 0 << 1 << 2010 << "10/29/2009 23:00:01";
    QTest::newRow("31 December") << 11 << 31 << 2025 << "10/29/2025 23:00:01";
    QTest::newRow("no month") << -1 << 15 << 2010 << "";
}

void TestPurchasePage::purchaseDate()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, text);

    QCOMPARE(PurchaseDetails::dateText(month, day, year), text);
}

void TestPurchasePage::registrationText()
{
    ContactRecord contact {"Ann", "Lee", "Acme", "Post", "ann@example.com", "555 0100", "Ms"};
    const AddressRecord address {
        "1 Main St", "", "Town", "Some Region", "XX", "12345", "Some Country", "YY"};
    const PurchaseDetails details {"01/13/2010 23:00:01", "Studio", "Tarn Reseller", "Student",
        "Film", "Best Video", "Games", "", "1", "0"};

    const QString text = details.registrationText("SYS-1", "SN-2", contact, address);
    QCOMPARE(text,
        "SystemID=SYS-1,Serial=SN-2,FirstName=Ann,LastName=Lee,Company=Acme,Department=Post,"
        "Email=ann@example.com,Phone=555 0100,Title=Ms,PurchaseDate=01/13/2010 23:00:01,"
        "BusinessType=Studio,PurchaseLocation=Tarn Reseller,UserType=Student,WorkType=Film,"
        "OtherSystems=,Reseller=Best Video,WorkTypeOther=Games,ThirdParty=0,ContactMe=1,"
        "ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,REGION_NAME=Some Region,"
        "POSTCODE=12345,COUNTRY=YY,COUNTRY_NAME=Some Country");
    QCOMPARE(text.count(','), 26);

    // Values go as they stand: a comma in one makes one item more.
    contact.company = "Acme, Inc.";
    QCOMPARE(details.registrationText("SYS-1", "SN-2", contact, address).count(','), 27);
}

void TestPurchasePage::choicesEnableTheActions()
{
    Wizard wizard;
    SecondRegPage *page = wizard.page;
    const int year = QDate::currentDate().year();
    QCOMPARE(items(page, "YearButton"),
        QStringList({QString::number(year), QString::number(year - 1), QString::number(year - 2),
            QString::number(year - 3), QString::number(year - 4)}));
    QPushButton *reseller = button(page, "Reseller");
    auto *workOther = page->findChild<QLineEdit *>();
    QVERIFY(reseller->isHidden() && workOther->isHidden());

    // The month from the keyboard, as a screen reader's user picks it.
    QPushButton *month = button(page, "MonthButton");
    QTimer::singleShot(0, page, [] {
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    });
    QTest::keyClick(month, Qt::Key_Space);
    QCOMPARE(month->text(), "January");
    const std::pair<const char *, QString> rest[] = {{"DayButton", "31"},
        {"YearButton", QString::number(year - 4)}, {"PurchaseLocation", "Bundle"},
        {"BuyerDescription", "Student"}, {"BuyerBusiness", "Studio"}};
    for (const auto &[name, item] : rest) {
        QCOMPARE(actionsEnabled(page), Disabled);
        choose(page, name, item);
    }
    choose(page, "BuyerWorkType", "Film");
    QCOMPARE(actionsEnabled(page), Enabled);

    // The reseller is required while it is shown, and kept while hidden.
    choose(page, "PurchaseLocation", "Tarn Reseller");
    QVERIFY(!reseller->isHidden());
    pickReseller(page, QString());
    QCOMPARE(reseller->text(), "Reseller");
    QCOMPARE(actionsEnabled(page), Disabled);
    pickReseller(page, "Cut Above");
    QCOMPARE(actionsEnabled(page), Enabled);
    choose(page, "PurchaseLocation", "Retail Store");
    QVERIFY(reseller->isHidden());
    QCOMPARE(actionsEnabled(page), Enabled);
    choose(page, "PurchaseLocation", "Tarn Reseller");
    QCOMPARE(reseller->text(), "Cut Above");
    QCOMPARE(actionsEnabled(page), Enabled);

    // The user's own words are never required, and kept while hidden.
    choose(page, "BuyerWorkType", "Other, Please Specify");
    QVERIFY(!workOther->isHidden());
    QCOMPARE(actionsEnabled(page), Enabled);
    QTest::keyClicks(workOther, "Games");
    choose(page, "BuyerWorkType", "Documentary");
    QVERIFY(workOther->isHidden());
    QCOMPARE(workOther->text(), "Games");

    // Back leaves every choice as it was.
    const QStringList chosen = captions(page);
    for (QPushButton *pushButton : page->findChildren<QPushButton *>())
        if (pushButton->text() == "Back")
            pushButton->click();
    QCOMPARE(wizard.stack.currentWidget(), wizard.tab.firstRegPage());
    QCOMPARE(captions(page), chosen);
}

void TestPurchasePage::fillFromRecord_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("workOther");
    // Yes, No, the offers box and the partner offers box.
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("complete");

    QTest::newRow("bought from a reseller")
        << "March|15|2023|Tarn Reseller|Best Video|Student|Studio|Other, Please Specify|Games|1|1|0"
        << "March|15|2023|Tarn Reseller|Best Video|Student|Studio|Other, Please Specify"
        << "Games"
        << "1010" << true;
    // A purchase may be older than the year menu reaches.
    QTest::newRow("damaged, with an old year")
        << "Sept|0|1999|Online|Best Video|student|Studio |Other|x||true|1"
        << "Month|Day|1999|Purchase Location|Reseller|Type of User|Type of Business|Type of Work"
        << QString() << "0101" << false;
    QTest::newRow("two-digit year, reseller without a name")
        << "May|1|23|Tarn Reseller||Student|Studio|Film|Games|0|0|0"
        << "May|1|Year|Tarn Reseller|Reseller|Student|Studio|Film" << QString() << "0100" << false;
}

void TestPurchasePage::fillFromRecord()
{
    QFETCH(QString, saved);
    QFETCH(QString, shown);
    QFETCH(QString, workOther);
    QFETCH(QString, checked);
    QFETCH(bool, complete);

    SecondPageRecord record;
    const QStringList values = saved.split('|');
    for (std::size_t index = 0; index < SecondPageRecord::fields.size(); ++index)
        record.*SecondPageRecord::fields[index].value = values.at(int(index));
    SecondRegPage page(&record);
    page.fillFromRecord();

    QCOMPARE(captions(&page).join('|'), shown);
    QCOMPARE(button(&page, "Reseller")->isHidden(), !shown.contains("Tarn Reseller"));
    auto *workOtherField = page.findChild<QLineEdit *>();
    QCOMPARE(workOtherField->isHidden() ? QString() : workOtherField->text(), workOther);
    QString checks;
    for (const QAbstractButton *choice : page.findChildren<QAbstractButton *>())
        if (choice->isCheckable())
            checks += choice->isChecked() ? '1' : '0';
    QCOMPARE(checks, checked);
    QCOMPARE(actionsEnabled(&page), complete ? Enabled : Disabled);
}

void TestPurchasePage::actions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QString>("reseller");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sent");
    // The captions of Save and Save and Register, and whether they are
    // enabled.
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QList<bool>>("enabled");

    const QString saved = "Registration data saved successfully.";
    QTest::newRow("save") << "Save" << true << "Best Video" << 0 << saved << ""
                          << "Quit, Save and Register" << Enabled;
    QTest::newRow("save without a RegData folder")
        << "Save" << false << "Best Video" << 0 << "Failed to save registration data."
        << ""
        << "Save, Save and Register" << Enabled;

    // The engine receives the pairs in the byte order of their keys.
    const QString sent = "ADDRESS1=1 Main St,ADDRESS2=,BusinessType=Studio,CITY=Town,COUNTRY=YY,"
                         "Company=Acme,ContactMe=0,Department=Post,Email=ann@example.com,"
                         "FirstName=?ukasz,LastName=Lee,OtherSystems=%1,POSTCODE=12345,"
                         "Phone=555 0100,PurchaseDate=01/13/%4 23:00:01,PurchaseLocation=%2,"
                         "Register=2,Reseller=%3,STATE=XX,Serial=SN-2,SystemID=SYS-1,"
                         "ThirdParty=1,Title=Ms,UserType=Student,WorkType=Film,WorkTypeOther=";
    const QString full = sent.arg("1", "Tarn Reseller", "Best Video");
    const QString done = "Registration successful.";
    const QString failed = "Registration failed.Please contact Tarn customer support.";
    const QList<bool> quitOnly {false, true};
    QTest::newRow("register") << "Save and Register" << true << "Best Video" << 0 << done << full
                              << "Save, Quit" << quitOnly;
    QTest::newRow("register, refused") << "Save and Register" << true << "Best Video" << 4 << failed
                                       << full << "Save, Quit" << quitOnly;
    QTest::newRow("register without a RegData folder")
        << "Save and Register" << false << "Best Video" << 0 << done << full << "Save, Quit"
        << quitOnly;
    QTest::newRow("register, no reseller, systems never answered")
        << "Save and Register" << true << "" << 0 << done << sent.arg("", "Bundle", "Reseller")
        << "Save, Quit" << quitOnly;
}

void TestPurchasePage::actions()
{
    QFETCH(QString, action);
    QFETCH(bool, folderExists);
    QFETCH(QString, reseller);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QString, sent);
    QFETCH(QString, captions);
    QFETCH(QList<bool>, enabled);

    registrationResult = result;
    Wizard wizard;
    SecondRegPage *page = wizard.page;
    chooseAll(page, reseller);
    if (!reseller.isEmpty())
        page->findChildren<QRadioButton *>().first()->click();
    page->findChildren<QCheckBox *>().last()->click();
    if (!folderExists)
        QVERIFY(QDir(DataFolder::filePath("RegData")).removeRecursively());
    button(page, action)->click();

    const StatusLabel *status = page->findChild<StatusLabel *>();
    QCOMPARE(status->text(), message);
    QCOMPARE(status->kind(),
        int(message.contains("fail", Qt::CaseInsensitive) ? StatusLabel::Error
                                                          : StatusLabel::Success));
    const QString year = items(page, "YearButton").last();
    QCOMPARE(QString::fromLatin1(sentRegistration), sent.isEmpty() ? "" : sent.arg(year));
    QCOMPARE(
        button(page, "Save")->text() + ", " + button(page, "Save and Register")->text(), captions);
    QCOMPARE(actionsEnabled(page), enabled);
    QCOMPARE(QFile::exists(savedFile()), folderExists);
    if (folderExists) {
        // The next start shows what was saved, the letter outside Latin-1
        // included.
        QCOMPARE(ReadRegInfo().firstPageRecord()->firstName, "Łukasz");
        Wizard next;
        QCOMPARE(::captions(next.page), ::captions(page));
    }

    // A later choice finds the buttons by their names, whatever their
    // captions.
    choose(page, "BuyerWorkType", "Personal");
    QCOMPARE(actionsEnabled(page), Enabled);

    // Quit ends the event loop with 1, and so the program through its
    // normal exit, without saving or sending anything more.
    QPushButton *quit = button(page, action);
    if (quit->text() != "Quit")
        return;
    QFile::remove(savedFile());
    commands.clear();
    QTimer::singleShot(0, quit, &QPushButton::click);
    QCOMPARE(QApplication::exec(), 1);
    QVERIFY(!QFile::exists(savedFile()));
    QVERIFY(commands.isEmpty());
    QCOMPARE(status->text(), message);
}

void TestPurchasePage::pageFitsAndIsAccessible()
{
    SecondPageRecord record {"September", "30", "2023", "Tarn Reseller", QString(80, 'W'),
        "Engineer / Technician", "Internet / Mobile Content Provider", "Other, Please Specify",
        QString(80, 'W'), "1", "1", "1"};
    auto *page = new SecondRegPage(&record);
    page->fillFromRecord();
    page->findChild<StatusLabel *>()->setMessage(
        "Registration failed.Please contact Tarn customer support.", StatusLabel::Error);

    // The main window's frame around the page, at its largest.
    QMainWindow window;
    auto *tabs = new QTabWidget;
    auto *central = new QWidget;
    (new QVBoxLayout(central))->addWidget(tabs);
    window.setCentralWidget(central);
    window.setMaximumSize(600, 400);
    tabs->addTab(page, "Registration");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.minimumSizeHint().width() <= 600 && window.minimumSizeHint().height() <= 400);

    QStringList names;
    QList<QWidget *> controls;
    const auto parts = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *part : parts) {
        QVERIFY(part->isVisible() && page->rect().contains(part->geometry()));
        for (QWidget *other : parts)
            QVERIFY(part == other || !part->geometry().intersects(other->geometry()));
        if (!(part->focusPolicy() & Qt::TabFocus))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(names.join(", ")));
        names << name;
        controls << part;
    }
    QCOMPARE(controls.size(), 17);

    // Tab visits the controls row by row, each from left to right.
    std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) {
        return std::pair(a->geometry().center().y(), a->x())
            < std::pair(b->geometry().center().y(), b->x());
    });
    QList<QWidget *> chain;
    for (QWidget *next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain())
        if (controls.contains(next))
            chain << next;
    QCOMPARE(chain, controls);

    // A wrapped offer toggles from anywhere on its text.
    QCheckBox *partnerOffers = page->findChildren<QCheckBox *>().last();
    QTest::mouseClick(partnerOffers, Qt::LeftButton, {}, QPoint(30, partnerOffers->height() - 4));
    QVERIFY(!partnerOffers->isChecked());
}

QTEST_MAIN(TestPurchasePage)
#include "tst_purchasepage.moc"
