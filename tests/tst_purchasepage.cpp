#include "engine/engineclient.h"
#include "regdata/datafolder.h"
#include "regdata/listdialog.h"
#include "wizard/purchasedetails.h"
#include "wizard/statuslabel.h"
#include "wizardstack.h"

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
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <time.h>

namespace {

// The engine keeps the registration it was sent and answers it with
// registrationResult.
QByteArray sentRegistration;
int registrationResult = 0;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    reply[0] = '\0';
    if (qstrcmp(command, "SENDREGDATA") != 0)
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

// Every required choice, the oldest year and the given place of purchase.
void chooseAll(QWidget *page, const QString &location)
{
    for (const auto &[name, item] : {std::pair<QString, QString>("MonthButton", "March"),
             {"DayButton", "15"}, {"YearButton", items(page, "YearButton").last()},
             {"PurchaseLocation", location}, {"BuyerDescription", "Student"},
             {"BuyerBusiness", "Studio"}, {"BuyerWorkType", "Film"}})
        choose(page, name, item);
}

QStringList captions(QWidget *page)
{
    QStringList texts;
    for (const char *name : {"MonthButton", "DayButton", "YearButton", "PurchaseLocation",
             "Reseller", "BuyerDescription", "BuyerBusiness", "BuyerWorkType"})
        texts << button(page, name)->text();
    return texts;
}

// The captions of the two action buttons, a disabled one in brackets.
QString actions(QWidget *page)
{
    QStringList texts;
    for (const char *name : {"Save", "Save and Register"}) {
        const QPushButton *action = button(page, name);
        texts << (action->isEnabled() ? action->text() : '[' + action->text() + ']');
    }
    return texts.join(", ");
}

const QString BothEnabled = "Save, Save and Register";
const QString BothDisabled = "[Save], [Save and Register]";

// A saved purchase record with the given values, in the order of its fields.
SecondPageRecord recordOf(const QStringList &values)
{
    SecondPageRecord record;
    for (std::size_t index = 0; index < SecondPageRecord::fields.size(); ++index)
        record.*SecondPageRecord::fields[index].value = values.value(int(index));
    return record;
}

// The wizard as the main window puts it together, with the contact details
// and the address that the earlier pages hand over.
struct Wizard : WizardStack
{
    Wizard()
    {
        page->setContact(QSharedPointer<ContactRecord>(new ContactRecord {
            "Łukasz", "Lee", "Acme 😀", "Post", "ann@example.com", "555 0100", "Ms"}));
        page->setAddress(QSharedPointer<AddressRecord>(new AddressRecord {
            "1 Main St", "", "Town", "Some Region", "XX", "12345", "Some Country", "YY"}));
        stack.setCurrentWidget(page);
        stack.show();
    }

    SecondRegPage *page = secondPage();
};

} // namespace

class TestPurchasePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void purchaseDate();
    void choicesEnableTheActions();
    void fillFromRecord_data();
    void fillFromRecord();
    void saveAndRegister_data();
    void saveAndRegister();
    void pageFitsWithLongestTexts();

private:
    std::unique_ptr<QTemporaryDir> m_dataFolder;
};

void TestPurchasePage::initTestCase()
{
    qputenv("KVB_SYSTEM_ID", "SYS-1");
    qputenv("KVB_SERIAL", "SN-2");
    EngineClient::instance().setEngineEntry(recordingEntry);
    EngineClient::instance().setCallerType("KVB");
    // One hour east of UTC, without daylight saving: the purchase date goes
    // as 23:00 UTC the day before.
    qputenv("TZ", "UTC-1");
    tzset();
}

void TestPurchasePage::init()
{
    m_dataFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dataFolder->path()).mkpath("Tarn/CustomData/RegData"));
    DataFolder::setPath(m_dataFolder->filePath("Tarn/CustomData/"));
    QFile resellers(DataFolder::filePath("RegData/RegReseller.xml"));
    QVERIFY(resellers.open(QIODevice::WriteOnly));
    resellers.write("<RegReseller><Reseller ID=\"1\">Best Video</Reseller>"
                    "<Reseller ID=\"2\">Smith &amp; Sons</Reseller></RegReseller>");
    sentRegistration.clear();
}

void TestPurchasePage::cleanup()
{
    auto windows = QApplication::topLevelWidgets();
    windows.removeOne(ManageWidget::instance());
    QVERIFY(windows.isEmpty());
}

void TestPurchasePage::purchaseDate()
{
    // Month and day go one too low, the month counted from 0, at one second
    // past midnight in the zone's winter time. Dublin flags its winter as
    // daylight saving time and keeps London's clock all year.
    const struct
    {
        const char *zone;
        int month, day, year;
        const char *text;
    } dates[] = {{"UTC-1", 2, 15, 2010, "01/13/2010 23:00:01"},
        {"UTC-1", 2, 31, 2024, "01/29/2024 23:00:01"},
        {"UTC-1", 2, 31, 2023, "02/01/2023 23:00:01"}, {"UTC-1", 0, 1, 2010, "10/29/2009 23:00:01"},
        {"UTC-1", 11, 31, 2025, "10/29/2025 23:00:01"}, {"UTC-1", -1, 15, 2010, ""},
        {"Europe/London", 2, 15, 2026, "01/14/2026 00:00:01"},
        {"Europe/London", 7, 15, 2026, "06/14/2026 00:00:01"},
        {"Europe/Dublin", 2, 15, 2026, "01/14/2026 00:00:01"},
        {"Europe/Dublin", 7, 15, 2026, "06/14/2026 00:00:01"},
        {"Australia/Sydney", 7, 15, 2026, "06/13/2026 14:00:01"}};
    const auto restore = qScopeGuard([] {
        qputenv("TZ", "UTC-1");
        tzset();
    });
    for (const auto &date : dates) {
        qputenv("TZ", date.zone);
        tzset();
        QCOMPARE(PurchaseDetails::dateText(date.month, date.day, date.year), date.text);
    }
}

void TestPurchasePage::choicesEnableTheActions()
{
    Wizard wizard;
    SecondRegPage *page = wizard.page;
    QStringList years;
    for (int year = QDate::currentDate().year(); years.size() < 5; --year)
        years << QString::number(year);
    QCOMPARE(items(page, "YearButton"), years);

    // Each choice is required, the reseller's while it is shown.
    const QStringList complete {
        "March", "15", years.last(), "Tarn Reseller", "Best Video", "Student", "Studio", "Film"};
    for (int missing = -1; missing < complete.size(); ++missing) {
        QStringList values = complete;
        if (missing >= 0)
            values[missing].clear();
        SecondPageRecord record = recordOf(values);
        SecondRegPage filled(&record);
        filled.fillFromRecord();
        QCOMPARE(actions(&filled), missing < 0 ? BothEnabled : BothDisabled);
    }

    chooseAll(page, "Bundle");
    QCOMPARE(actions(page), BothEnabled);

    // The reseller is required while it is shown, and kept while hidden.
    QPushButton *reseller = button(page, "Reseller");
    choose(page, "PurchaseLocation", "Tarn Reseller");
    QVERIFY(!reseller->isHidden());
    pickReseller(page, QString());
    QCOMPARE(actions(page), BothDisabled);
    // A name with "&" is shown as it is, and whole in the tool tip.
    pickReseller(page, "Smith & Sons");
    QCOMPARE(
        QAccessible::queryAccessibleInterface(reseller)->text(QAccessible::Name), "Smith & Sons");
    QCOMPARE(reseller->toolTip(), "Smith & Sons");
    QCOMPARE(actions(page), BothEnabled);
    choose(page, "PurchaseLocation", "Retail Store");
    QVERIFY(reseller->isHidden());
    QCOMPARE(actions(page), BothEnabled);
    choose(page, "PurchaseLocation", "Tarn Reseller");
    QCOMPARE(reseller->toolTip(), "Smith & Sons");

    // The user's own words are never required, and kept while hidden.
    auto *workOther = page->findChild<QLineEdit *>();
    choose(page, "BuyerWorkType", "Other, Please Specify");
    QVERIFY(!workOther->isHidden());
    QCOMPARE(actions(page), BothEnabled);
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
    // The captions, the user's own type of work while it is shown, the
    // states of Yes, No, the offers box and the partner offers box, and the
    // action buttons.
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("shown");

    QTest::newRow("bought from a reseller")
        << "March|15|2023|Tarn Reseller|Best Video|Student|Studio|Other, Please Specify|Games|1|1|0"
        << "March|15|2023|Tarn Reseller|Best Video|Student|Studio|Other, Please Specify|Games|1010|"
            + BothEnabled;
    // A purchase may be older than the year menu reaches.
    QTest::newRow("damaged, with an old year")
        << "Sept|0|1999|Online|Best Video|student|Studio |Other|x||true|1"
        << "Month|Day|1999|Purchase Location|Reseller|Type of User|Type of Business|Type of Work||"
           "0101|"
            + BothDisabled;
    QTest::newRow("two-digit year, reseller without a name")
        << "May|1|23|Tarn Reseller||Student|Studio|Film|Games|0|0|0"
        << "May|1|Year|Tarn Reseller|Reseller|Student|Studio|Film||0100|" + BothDisabled;
}

void TestPurchasePage::fillFromRecord()
{
    QFETCH(QString, saved);
    QFETCH(QString, shown);

    SecondPageRecord record = recordOf(saved.split('|'));
    SecondRegPage page(&record);
    page.fillFromRecord();

    auto *workOther = page.findChild<QLineEdit *>();
    QString checks;
    for (const QAbstractButton *choice : page.findChildren<QAbstractButton *>())
        if (choice->isCheckable())
            checks += choice->isChecked() ? '1' : '0';
    QCOMPARE(QStringList({captions(&page).join('|'), workOther->isHidden() ? "" : workOther->text(),
                             checks, actions(&page)})
                 .join('|'),
        shown);
    QCOMPARE(button(&page, "Reseller")->isHidden(), !shown.contains("Tarn Reseller"));
}

void TestPurchasePage::saveAndRegister_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("buttons");

    const QString done = "Registration successful.";
    QTest::newRow("save") << "Save" << true << 0 << "Registration data saved successfully."
                          << "Quit, Save and Register";
    QTest::newRow("save without a RegData folder")
        << "Save" << false << 0 << "Failed to save registration data." << BothEnabled;
    QTest::newRow("register") << "Save and Register" << true << 0 << done << "[Save], Quit";
    QTest::newRow("register, refused")
        << "Save and Register" << true << 4
        << "Registration failed.Please contact Tarn customer support."
        << "[Save], Quit";
    QTest::newRow("register without a RegData folder")
        << "Save and Register" << false << 0 << done << "[Save], Quit";
}

void TestPurchasePage::saveAndRegister()
{
    QFETCH(QString, action);
    QFETCH(bool, folderExists);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QString, buttons);

    registrationResult = result;
    Wizard wizard;
    SecondRegPage *page = wizard.page;
    chooseAll(page, "Tarn Reseller");
    pickReseller(page, "Smith & Sons");
    page->findChildren<QRadioButton *>().first()->click();
    page->findChildren<QCheckBox *>().last()->click();
    const QString savedFile = DataFolder::filePath("RegData/RegInfo.xml");
    if (!folderExists)
        QVERIFY(QDir(DataFolder::filePath("RegData")).removeRecursively());
    // A second, impatient click while the page works is dropped.
    QPushButton *pressed = button(page, action);
    QSignalSpy presses(pressed, &QPushButton::clicked);
    postClick(pressed);
    pressed->click();
    QCoreApplication::processEvents();
    QCOMPARE(presses.count(), 1);

    const StatusLabel *status = page->findChild<StatusLabel *>();
    QCOMPARE(status->text(), message);
    QCOMPARE(status->kind(),
        int(message.contains("fail", Qt::CaseInsensitive) ? StatusLabel::Error
                                                          : StatusLabel::Success));
    // The engine receives the pairs in the byte order of their keys, and
    // each character outside Latin-1 as one "?".
    const QString sent = "ADDRESS1=1 Main St,ADDRESS2=,BusinessType=Studio,CITY=Town,COUNTRY=YY,"
                         "Company=Acme ?,ContactMe=0,Department=Post,Email=ann@example.com,"
                         "FirstName=?ukasz,LastName=Lee,OtherSystems=1,POSTCODE=12345,"
                         "Phone=555 0100,PurchaseDate=01/13/%1 23:00:01,"
                         "PurchaseLocation=Tarn Reseller,Register=2,Reseller=Smith & Sons,STATE=XX,"
                         "Serial=SN-2,SystemID=SYS-1,ThirdParty=1,Title=Ms,UserType=Student,"
                         "WorkType=Film,WorkTypeOther=";
    QCOMPARE(QString::fromLatin1(sentRegistration),
        action == "Save" ? "" : sent.arg(items(page, "YearButton").last()));
    QCOMPARE(actions(page), buttons);
    QCOMPARE(QFile::exists(savedFile), folderExists);

    // A later choice finds the buttons by their names, whatever their
    // captions.
    choose(page, "BuyerWorkType", "Personal");
    QCOMPARE(actions(page), buttons.remove('[').remove(']'));
}

void TestPurchasePage::pageFitsWithLongestTexts()
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

    QList<QWidget *> controls;
    const auto parts = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *part : parts) {
        QVERIFY(part->isVisible() && page->rect().contains(part->geometry()));
        for (QWidget *other : parts)
            QVERIFY(part == other || !part->geometry().intersects(other->geometry()));
        if (part->focusPolicy() & Qt::TabFocus)
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

    // A wrapped offer toggles from its box and its words, and from nowhere
    // else on its row.
    QCheckBox *partnerOffers = page->findChildren<QCheckBox *>().last();
    const int lastLine = partnerOffers->height() - 4;
    for (const QPoint &point :
        {QPoint(partnerOffers->width() - 4, lastLine), QPoint(30, lastLine), QPoint(4, 4)})
        QTest::mouseClick(partnerOffers, Qt::LeftButton, {}, point);
    QVERIFY(partnerOffers->isChecked());
    QTest::mouseClick(partnerOffers, Qt::LeftButton, {}, QPoint(30, lastLine));
    QVERIFY(!partnerOffers->isChecked());
}

QTEST_MAIN(TestPurchasePage)
#include "tst_purchasepage.moc"
