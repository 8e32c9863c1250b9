// The wizard's pages: every way through them with the engine's every answer, what the two save
// buttons do, say and send, pre-filling, and closing.
#include "engine/engineclient.h"
#include "engine/keyvaluetext.h"
#include "engine/threadedengineclient.h"
#include "regdata/datafolder.h"
#include "regdata/purchasechoices.h"
#include "regdata/readreginfo.h"
#include "regdata/registrationnote.h"
#include "regdata/savereginfo.h"
#include "support/environment.h"
#include "support/recordingengine.h"
#include "support/wizard.h"
#include "wizard/accesskey.h"
#include "wizard/managewidget.h"
#include "wizard/sentitemsdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <time.h>

namespace {

// Counts the paint events of a widget and its children.
struct PaintCount : QObject
{
    explicit PaintCount(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// The parameters of the engine's last command, which it takes as a command that succeeds.
QByteArray received;
int KVB_CDECL receivingEntry(const char *, const char *parameters, char *reply)
{
    received = parameters;
    *reply = '\0';
    return 0;
}

// What a widget shows: "hidden", a field's or a label's text, whether a box is checked, or a
// button's caption; "missing" without one.
QString shownBy(const QWidget *widget)
{
    if (!widget)
        return "missing";
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const auto *text = qobject_cast<const QLineEdit *>(widget);
    const auto *label = qobject_cast<const QLabel *>(widget);
    return widget->isHidden()   ? "hidden"
        : text                  ? text->text()
        : label                 ? label->text()
        : button->isCheckable() ? button->isChecked() ? "checked" : "unchecked"
                                : withoutAccessKey(button->text());
}

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingEngine m_engine;

    QString recordFolder() const { return m_dir.filePath("Tarn/CustomData/"); }

    // What the pages say without the engine library, as "no engine" gives it of /opt/kvb.
    static QString engineMissing()
    {
        return "KVB cannot reach the maker: the engine library libQuill.so is missing from "
            + QDir::toNativeSeparators("/opt/kvb")
            + ". This installation is incomplete; please install KVB again.";
    }

    // Closes the wizard, answering its question with answer: whether it closed, and whether it
    // asked.
    static std::pair<bool, bool> close(Wizard &wizard, QMessageBox::StandardButton answer)
    {
        bool asked = false;
        const QObject answerer;
        QTimer::singleShot(0, &answerer, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = true;
                box->button(answer)->click();
            }
        });
        // Closing first, the question then answered.
        return {wizard.tab.mayClose(&wizard.stack), asked};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(KVB_BIN_DIR "/KVB.rcc"));
        QVERIFY(QDir().mkpath(recordFolder() + "RegData"));
    }

    // Each test starts from the complete record, and an engine that accepts everything.
    void init()
    {
        DataFolder::setFolders(recordFolder(), false, {KVB_TEST_DATA_DIR "/"});
        const RegistrationRecord record = completeRecord();
        QVERIFY(SaveRegInfo(&record.firstPage, &record.secondPage).save());
        QFile::remove(recordFolder() + "RegData/Registered.txt");
        m_engine = RecordingEngine();
    }

    void cleanup()
    {
        auto windows = QApplication::topLevelWidgets();
        windows.removeOne(ManageWidget::instance());
        QVERIFY(windows.isEmpty());
    }

    void routes_data()
    {
        QTest::addColumn<int>("result"); // the address check's answer
        // See Wizard::act(); "!step": one that cannot be taken; "unreadable": from then on the
        // check's corrections are too short to read; "no engine": the engine library is missing.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("page"); // the page current at the end
        QTest::addColumn<QString>("focused"); // the control with the focus then
        QTest::addColumn<QString>("message"); // the page's status line
        QTest::addColumn<QByteArray>("registered"); // the street then registered; null: none

        const auto row = [](const char *name, int result, const QStringList &steps,
                             const QString &page, const char *focused,
                             const char *registered = nullptr, const QString &message = "") {
            QTest::newRow(name) << result << steps << page << focused << message
                                << QByteArray(registered);
        };
        const QString first = ManageWidget::FirstPage;
        const QString second = ManageWidget::SecondPage;
        const char *month = "MonthButton";
        const char *street = "Street Address 1:";
        row("accepted", 0, {"Next"}, second, month, "1 Main St");
        row("accepted, back", 0, {"Next", "Back"}, first, "First Name:");
        row("accepted, cancelled", 0, {"Next", "Cancel"}, first, "First Name:");
        row("corrected, replaced", 1, {"Next", "Replace", "Next"}, second, month, "2 Corrected Rd");
        row("corrected, kept", 1, {"Next", "Keep", "Next"}, second, month, "1 Main St");
        row("corrected, re-entered", 1, {"Next", "Reenter", "Next"}, first, street);
        row("corrected, back", 1, {"Next", "Back"}, first, "First Name:");
        row("corrected, cancelled", 1, {"Next", "Cancel"}, first, "First Name:");
        row("unverified", 2, {"Next"}, ManageWidget::UnknownPage, "Keep");
        row("unverified, kept", 2, {"Next", "Keep", "Next"}, second, month, "1 Main St");
        row("unverified, re-entered", 2, {"Next", "Reenter", "Next"}, first, street);
        row("unverified, back", 2, {"Next", "Back"}, first, "First Name:");
        row("unverified, cancelled", 2, {"Next", "Cancel"}, first, "First Name:");
        // A correction taken in a first round, then one too short to read: the earlier round's
        // addresses are neither shown nor offered.
        row("corrected, then unreadable", 1,
            {"Next", "Replace", "Back", "unreadable", "Next", "!Next", "!Replace", "!Keep"},
            ManageWidget::CorrectPage, "Reenter", nullptr,
            "The corrected address could not be read. Please re-enter your address.");
        row("check failed", 3, {"Next"}, first, "First Name:", nullptr,
            "The address could not be verified just now. Please try again.");
        row("no engine", -1, {"no engine", "Next"}, first, "First Name:", nullptr, engineMissing());
        // An e-mail address has five characters or more, and one at-sign before the first dot
        // after one; blanks count.
        const auto email = [&](const char *name, const QString &text, bool valid) {
            row(name, 0, {"Email Address:=" + text, "Next"}, valid ? second : first,
                valid ? month : "Email Address:", nullptr,
                valid ? "" : "Please enter a valid email address.");
        };
        email("e-mail address of five characters", "a@b.c", true);
        email("e-mail address of four characters", "a@b.", false);
        email("no dot after the at-sign", "ab.c@d", false);
        email("two at-signs before the dot", "a@@b.c", false);
        email("a second at-sign after the dot", "a@b.c@d", true);
        email("blanks in the e-mail address", " @.  ", true);
        // Enter presses the focused button, and from a field the page's Next, but never Save
        // and Register.
        row("Enter on a button", 0, {"Enter@Next"}, second, month);
        row("Enter in the purchase page's field", 0, {"Next", "Enter@WorkTypeOther"}, second,
            month);
        row("Enter on Save", 0, {"Next", "Enter@Save"}, second, month, nullptr,
            "Registration data saved successfully.");
    }

    // Where each answer of the address check leads, where the focus then is, and which address
    // the purchase page registers.
    void routes()
    {
        QFETCH(int, result);
        QFETCH(QStringList, steps);
        QFETCH(QString, page);
        QFETCH(QString, focused);
        QFETCH(QString, message);
        QFETCH(QByteArray, registered);

        m_engine.addressResult = result;
        m_engine.reply = correction;
        Wizard wizard(&m_engine);
        for (const QString &step : std::as_const(steps)) {
            if (step == "unreadable")
                m_engine.reply = "ADDRESS1=1 Main St,ADDRESS2=";
            else if (step == "no engine")
                wizard.tab.setEngineMissing("/opt/kvb/libQuill.so");
            else
                QVERIFY2(wizard.act(step.mid(step.startsWith('!'))) != step.startsWith('!'),
                    qPrintable(step));
        }
        QCOMPARE(wizard.page()->objectName(), page);
        QCOMPARE(wizard.stack.focusWidget()->objectName(), focused);
        QCOMPARE(wizard.status(), message);
        // Nothing is sent for an address that the page refuses, and the corrected page shows no
        // address that it cannot offer.
        QCOMPARE(m_engine.addresses.isEmpty(), message.startsWith("Please"));
        for (const QLineEdit *field : wizard.page()->findChildren<QLineEdit *>())
            QVERIFY(page != ManageWidget::CorrectPage || field->text().isEmpty());
        QCOMPARE(m_engine.registrations.size(), 0);
        // A refused text is selected, ready to be typed over.
        if (message.startsWith("Please"))
            QCOMPARE(wizard.find<QLineEdit>(focused)->selectedText(), steps[0].section('=', 1));
        if (!registered.isNull()) {
            QVERIFY(wizard.act("Save and Register"));
            QCOMPARE(KeyValueText(m_engine.registrations.value(0)).value("ADDRESS1"), registered);
        }
    }

    void saveOutcomes_data()
    {
        QTest::addColumn<QString>("button"); // the one pressed
        QTest::addColumn<bool>("writable"); // whether the record's folder can be written
        QTest::addColumn<bool>("accepts"); // whether the service takes the registration
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("save"); // Save's caption after, empty when disabled
        QTest::addColumn<QString>("registerCaption"); // likewise Save and Register's

        const auto row = [](const char *name, const char *button, bool writable, bool accepts,
                             const QString &message, const char *save, const char *registration) {
            QTest::newRow(name) << button << writable << accepts << message << save << registration;
        };
        const char *both = "Save and Register";
        row("saved", "Save", true, true, "Registration data saved successfully.", "Quit", both);
        row("not saved", "Save", false, true, "Failed to save registration data.", "Save", both);
        row("registered", both, true, true, "Registration successful.", "", "Quit");
        const QString refused = "Registration failed.Please contact Tarn customer support.";
        row("refused", both, true, false, refused, "", "Quit");
        row("refused, no engine", both, true, false, refused + ' ' + engineMissing(), "", "Quit");
        row("registered, not saved", both, false, true,
            "Registration successful. Your details could not be saved on this computer, so KVB "
            "cannot fill them in next time.",
            "", "Quit");
    }

    // What each save button does and says, and that the caption it takes, "Quit", then ends the
    // program with status 1.
    void saveOutcomes()
    {
        QFETCH(QString, button);
        QFETCH(bool, writable);
        QFETCH(bool, accepts);
        QFETCH(QString, message);
        QFETCH(QString, save);
        QFETCH(QString, registerCaption);

        m_engine.accepts = accepts;
        Wizard wizard(&m_engine);
        QVERIFY(wizard.act("Next"));
        QVERIFY(QFile::remove(DataFolder::filePath("RegData/RegInfo.xml")));
        if (message.endsWith(engineMissing()))
            wizard.tab.setEngineMissing("/opt/kvb/libQuill.so");
        if (!writable)
            DataFolder::setFolders(m_dir.filePath("missing/"), false, {});
        QVERIFY(wizard.act(button));

        QCOMPARE(wizard.status(), message);
        const auto caption = [&wizard](const char *name) {
            const QAbstractButton *action = wizard.find(name);
            return action->isEnabled() ? withoutAccessKey(action->text()) : QString();
        };
        QCOMPARE(caption("Save"), save);
        QCOMPARE(caption("Save and Register"), registerCaption);
        QCOMPARE(m_engine.registrations.size(), button == "Save" ? 0 : 1);
        // A registration that went through is noted, and the next start says so.
        const bool noted = button != "Save" && accepts && writable;
        QCOMPARE(RegistrationNote::read().isValid(), noted);
        // The next start says whether the copy was registered.
        const QString next = Wizard(&m_engine).status();
        QVERIFY2(writable ? next.startsWith(noted ? "This copy was registered on "
                                                  : "Your details are saved on this computer, "
                                                    "but this copy is not registered")
                          : next.isEmpty(),
            qPrintable(next));
        QCOMPARE(ReadRegInfo().recordFound(), writable);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QStringList>("files"); // of RegData, made writable by all
        QTest::addColumn<QString>("told"); // the start of the status line

        QTest::newRow("the record") << QStringList {"RegInfo.xml"} << "Your saved details were not";
        QTest::newRow("the note") << QStringList {"Registered.txt"} << "KVB cannot tell whether";
        QTest::newRow("both") << QStringList {"RegInfo.xml", "Registered.txt"}
                              << "Your saved details were not";
    }

    // A record or a note that another user could have written is not believed, and the first
    // page says which of them, and where.
    void refusedFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, told);
#ifdef Q_OS_WIN
        QSKIP("Windows leaves this to the files' access rights.");
#endif
        QVERIFY(RegistrationNote::write(QDate(1999, 1, 1)));
        for (const QString &name : files)
            QVERIFY(QFile::setPermissions(DataFolder::filePath("RegData/" + name),
                QFile::ReadOwner | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        const QString status = Wizard(&m_engine).status();
        QVERIFY2(status.startsWith(told)
                && status.contains(QDir::toNativeSeparators(DataFolder::filePath("RegData"))),
            qPrintable(status));
    }

    // A button that became "Quit" ends the program with status 1; the second click of a double
    // click that made it so is no wish to quit, a click after that is.
    void quitAfterADoubleClick()
    {
        const int interval = QApplication::doubleClickInterval();
        QApplication::setDoubleClickInterval(100);
        Wizard wizard(&m_engine);
        QVERIFY(wizard.act("Next") && wizard.act("Save"));
        QElapsedTimer sinceQuit;
        sinceQuit.start();
        for (const int after : {0, 150})
            QTimer::singleShot(after, wizard.find("Save"), [&] { wizard.act("Save"); });
        QCOMPARE(QApplication::exec(), 1);
        QVERIFY(sinceQuit.elapsed() >= 100);
        QApplication::setDoubleClickInterval(interval);
    }

    void registrationCarriesEachChoice_data()
    {
        QTest::addColumn<QString>("step"); // on the purchase page, see Wizard::act(); empty: none
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sent");

        const auto row = [](const char *name, const char *step, const char *key, const char *sent) {
            QTest::newRow(name) << step << key << sent;
        };
        row("as saved", "", "", "");
        // Month and day one too low, at one second past midnight an hour east of UTC, as UTC.
        row("month", "MonthButton:April", "PurchaseDate", "02/13/2023 23:00:01");
        row("day", "DayButton:16", "PurchaseDate", "01/14/2023 23:00:01");
        row("year", "YearButton:2022", "PurchaseDate", "01/13/2022 23:00:01");
        row("location", "PurchaseLocation:Bundle", "PurchaseLocation", "Bundle");
        row("reseller", "Reseller:Amberline", "Reseller", "Amberline");
        row("user type", "BuyerDescription:Educator", "UserType", "Educator");
        row("business", "BuyerBusiness:Education", "BusinessType", "Education");
        row("work", "BuyerWorkType:Documentary", "WorkType", "Documentary");
        row("the user's own work", "WorkTypeOther=Games", "WorkTypeOther", "Games");
        row("other systems", "Yes", "OtherSystems", "1");
        row("offers", "Offers", "ContactMe", "1");
        row("partner offers", "PartnerOffers", "ThirdParty", "1");
    }

    // The registration as the service receives it, every key with its own value, and each
    // choice of the purchase page in its own key and no other.
    void registrationCarriesEachChoice()
    {
        QFETCH(QString, step);
        QFETCH(QString, key);
        QFETCH(QString, sent);

        ScopedEnvironment environment;
        environment.set("TZ", "UTC-1");
        environment.set("KVB_SYSTEM_ID", "SYS");
        environment.set("KVB_SERIAL", "SN");
        tzset();
        const auto restoreZone = qScopeGuard([] { tzset(); });
        Wizard wizard(&m_engine);
        QVERIFY(wizard.act("Next") && (step.isEmpty() || wizard.act(step)));
        QVERIFY(wizard.act("Save and Register"));

        QString expected = "SystemID=SYS,Serial=SN,FirstName=Ann,LastName=Lee,Company=Acme,"
                           "Department=Post,Email=ann@example.com,Phone=555,Title=Ms,"
                           "PurchaseDate=01/13/2023 23:00:01,BusinessType=Studio,"
                           "PurchaseLocation=Tarn Web Store,UserType=Student,WorkType=Film,"
                           "OtherSystems=0,Reseller=Reseller,WorkTypeOther=,ThirdParty=0,"
                           "ContactMe=0,ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=NO,"
                           "REGION_NAME=North,POSTCODE=12345,COUNTRY=FD,COUNTRY_NAME=Freedonia";
        if (!key.isEmpty()) {
            const QString pair = ',' + key + '=';
            const qsizetype start = expected.indexOf(pair) + pair.size();
            expected.replace(start, expected.indexOf(',', start) - start, sent);
        }
        QCOMPARE(QString::fromLatin1(m_engine.registrations.value(0)), expected);
    }

    void prefilled_data()
    {
        QTest::addColumn<QString>("presets"); // a folder of tests/data/presets; empty: none
        // Elements of the complete record saved changed, "element=value;..." (or "today+N": the
        // purchase date that many days after today); "none": no record.
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("widget"); // the object name of a widget of either page
        QTest::addColumn<QString>("shown"); // see shownBy()

        const auto row = [](const char *name, const char *saved, const char *widget,
                             const char *shown, const char *presets = "") {
            QTest::newRow(name) << presets << saved << widget << shown;
        };
        row("a month", "PurchaseMonth=May", "MonthButton", "May");
        row("a month not offered", "PurchaseMonth=Sept", "MonthButton", "Month");
        row("day 0", "PurchaseDay=0", "DayButton", "Day");
        // A purchase may be older than the year menu reaches.
        row("a four-digit year", "PurchaseYear=1999", "YearButton", "1999");
        row("a two-digit year", "PurchaseYear=23", "YearButton", "Year");
        row("a location not offered", "PurchaseLocation=Online", "PurchaseLocation",
            "Purchase Location");
        row("a user type in other letters", "BuyerDescription=student", "BuyerDescription",
            "Type of User");
        row("a business with a blank after", "BuyerBusiness=Studio ", "BuyerBusiness",
            "Type of Business");
        row("a work type not offered", "BuyerWorkType=Other", "BuyerWorkType", "Type of Work");
        row("a reseller", "PurchaseLocation=Tarn Reseller;ResellerInfo=Best Video", "Reseller",
            "Best Video");
        row("a reseller without a name", "PurchaseLocation=Tarn Reseller", "Reseller", "Reseller");
        row("a location without a reseller", "PurchaseLocation=Bundle;ResellerInfo=Best Video",
            "Reseller", "hidden");
        row("the user's own type of work",
            "BuyerWorkType=Other, Please Specify;WorkTypeOther=Games", "WorkTypeOther", "Games");
        row("a type of work of the list", "WorkTypeOther=Games", "WorkTypeOther", "hidden");
        row("other systems: 1", "OwnTarnSystems=1", "Yes", "checked");
        row("other systems: empty", "OwnTarnSystems=", "No", "checked");
        row("offers: 1", "TarnSpecial=1", "Offers", "checked");
        row("partner offers: true", "TarnPartnerSpecial=true", "PartnerOffers", "unchecked");
        // Only a day that the month has in that year, and none after today, can be saved or sent.
        const char *noSuchDay = "There is no such day: please choose the day of purchase again.";
        row("February 29 of a leap year", "PurchaseMonth=February;PurchaseDay=29;PurchaseYear=2024",
            "Missing", "hidden");
        row("February 29 of another year",
            "PurchaseMonth=February;PurchaseDay=29;PurchaseYear=2023", "Missing", noSuchDay);
        row("today", "today+0", "Missing", "hidden");
        row("tomorrow", "today+1", "Missing",
            "The purchase date is after today: please choose the day of purchase again.");
        row("no day yet", "PurchaseDay=Day", "Missing", "Choose the day of purchase.");
        // The presets fill a page that no saved record fills; a value that the page does not
        // offer is left out, and said so.
        row("a company", "none", "Company:", "Acme Studios", "valid");
        row("a saved company wins", "", "Company:", "Acme", "valid");
        row("a comma outside quotes", "none", "Department:", "Post, Sound", "valid");
        row("a country of the catalogue", "none", "CountryButton", "Freedonia", "valid");
        row("its region left to choose", "none", "RegionButton", "Select a Region", "valid");
        row("a reseller preset", "none", "Reseller", "Amberline", "valid");
        row("a saved location wins", "", "PurchaseLocation", "Tarn Web Store", "valid");
        row("work in the user's own words", "none", "WorkTypeOther", "", "valid");
        row("a country not in the catalogue", "none", "CountryButton", "Select a Country",
            "invalid");
        row("a business not in the menu", "none", "BuyerBusiness", "Type of Business", "invalid");
        row("the offers are the user's to accept", "none", "Offers", "unchecked", "invalid");
    }

    // What the pages show of a saved record, each element changed in turn, or of the presets: a
    // caption that its menu does not offer leaves the placeholder, the reseller and the user's
    // own type of work show while their choices ask for them, and while a choice or the date is
    // missing the save buttons wait and the page says what for. Closing then asks nothing.
    void prefilled()
    {
        QFETCH(QString, presets);
        QFETCH(QString, saved);
        QFETCH(QString, widget);
        QFETCH(QString, shown);
        ScopedEnvironment variables;
        if (!presets.isEmpty()) {
#ifdef Q_OS_WIN
            QSKIP("Windows keeps the presets in its registry.");
#endif
            variables.set("XDG_CONFIG_DIRS", KVB_TEST_DATA_DIR "/presets/" + presets.toUtf8());
            // The file says what it makes KVB say, and nothing else may be said.
            QFile file(KVB_TEST_DATA_DIR "/presets/" + presets + "/Tarn/KVB.conf");
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QByteArray &line : file.readAll().split('\n'))
                if (line.startsWith("; kvb: "))
                    QTest::ignoreMessage(QtWarningMsg, line.mid(2).constData());
            QTest::failOnWarning(QRegularExpression("^kvb: "));
        }
        if (saved.startsWith("today+")) {
            const QDate date = QDate::currentDate().addDays(saved.section('+', 1).toInt());
            saved = QString("PurchaseMonth=%1;PurchaseDay=%2;PurchaseYear=%3")
                        .arg(PurchaseChoices::months()[date.month() - 1])
                        .arg(date.day())
                        .arg(date.year());
        }
        RegistrationRecord record = completeRecord();
        for (const QString &change : saved.split(';', Qt::SkipEmptyParts))
            for (const auto &field : SecondPageRecord::fields)
                if (change.section('=', 0, 0) == QLatin1String(field.element))
                    record.secondPage.*field.value = change.section('=', 1);
        QVERIFY(saved == "none" ? QFile::remove(recordFolder() + "RegData/RegInfo.xml")
                                : SaveRegInfo(&record.firstPage, &record.secondPage).save());

        Wizard wizard(&m_engine);
        QCOMPARE(shownBy(wizard.stack.findChild<QWidget *>(widget)), shown);
        const auto *page = wizard.stack.findChild<QWidget *>(ManageWidget::SecondPage);
        const bool complete = saved != "none" && (widget != "Missing" || shown == "hidden")
            && !QStringList {"Month", "Day", "Year", "Purchase Location", "Type of User",
                "Type of Business", "Type of Work", "Reseller"}
                    .contains(shown);
        for (const char *name : {"Save", "Save and Register"})
            QCOMPARE(page->findChild<QPushButton *>(name)->isEnabled(), complete);
        // A row of the form shows its mark while it shows its label, and hides both together.
        int labels = 0;
        int marks = 0;
        for (const QLabel *label : page->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(page))
                continue;
            labels += label->buddy() && label->buddy()->objectName() != "Yes";
            marks += label->text() == "*" || label->text() == " ";
        }
        QCOMPARE(marks, labels);
        QCOMPARE(close(wizard, QMessageBox::Cancel), std::pair(true, false));
    }

    // A slow service: while it works, the window keeps its events going (a timer fires, the page
    // repaints, the busy message shows) but drops what the user types; a registration that does
    // not end lets a closed window go; and every call goes to one engine thread, never the
    // window's.
    void slowEngineLeavesTheWindowAlive()
    {
        QSet<QThread *> threads;
        m_engine.whileWorking = [&threads] {
            threads << QThread::currentThread();
            QThread::msleep(300);
        };
        ThreadedEngineClient engine(&m_engine);
        Wizard wizard(&engine);
        QVERIFY(QTest::qWaitForWindowExposed(&wizard.stack));
        PaintCount paints(&wizard.stack);
        int ticks = 0;
        QTimer timer;
        QString shown;
        auto *city = wizard.find<QLineEdit>("City:");
        connect(&timer, &QTimer::timeout, [&] {
            // An impatient user types on, into the field and through an input method.
            if (++ticks == 1) {
                QCoreApplication::postEvent(
                    city, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
                auto *commit = new QInputMethodEvent;
                commit->setCommitString("y");
                QCoreApplication::postEvent(city, commit);
            }
            shown = wizard.status();
            wizard.stack.update();
        });
        timer.start(20);

        QVERIFY(wizard.act("Next"));
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
        QVERIFY(paints.count >= 1);
        QCOMPARE(shown, "Verifying address....");
        QCOMPARE(city->text(), "Town");
        // Closed while the registration goes out, the window goes after the time given, before
        // the engine answers.
        wizard.tab.setAnswerTimeout(50);
        bool open = true;
        QTimer::singleShot(10, [&] { wizard.tab.mayClose(&wizard.stack); });
        QTimer::singleShot(150, [&] { open = wizard.stack.isVisible(); });
        QVERIFY(wizard.act("Save and Register"));
        QVERIFY(!open);
        QCOMPARE(wizard.status(), "Registration successful.");
        QCOMPARE(threads.size(), 1);
        QVERIFY(!threads.contains(QThread::currentThread()));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<QStringList>("steps"); // see Wizard::act(); "check fails": from then on
        QTest::addColumn<int>("answer"); // the button pressed; none: no question is asked
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("saved"); // the record's city and reseller after

        const auto row
            = [](const char *name, const QStringList &steps, int answer, bool closes,
                  const char *saved) { QTest::newRow(name) << steps << answer << closes << saved; };
        const QString city = "City:=Elsewhere";
        row("changed, kept", {city}, QMessageBox::Save, true, "Elsewhere, Reseller");
        row("changed, thrown away", {city}, QMessageBox::Discard, true, "Town, ");
        row("changed, back to it", {city}, QMessageBox::Cancel, false, "Town, ");
        // The saved address went on to the purchase page, then the typed one failed its check.
        row("changed after an earlier round, kept", {"Next", "Back", "check fails", city, "Next"},
            QMessageBox::Save, true, "Elsewhere, Reseller");
        // Saved with a reseller that its location no longer shows, the record is what the pages
        // hold.
        row("saved with a reseller not shown",
            {"Next", "PurchaseLocation:Tarn Reseller", "Reseller:Best Video",
                "PurchaseLocation:Tarn Web Store", "Save"},
            QMessageBox::NoButton, true, "Town, Best Video");
    }

    // Closing asks exactly when the pages hold details the saved record lacks, and each answer
    // does what it says.
    void closeQuestion()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QString, saved);

        Wizard wizard(&m_engine);
        for (const QString &step : std::as_const(steps)) {
            if (step == "check fails")
                m_engine.addressResult = 3;
            else
                QVERIFY2(wizard.act(step), qPrintable(step));
        }
        QCOMPARE(close(wizard, QMessageBox::StandardButton(answer)),
            std::pair(closes, answer != QMessageBox::NoButton));
        const RegistrationRecord record = ReadRegInfo().record();
        QCOMPARE(record.firstPage.city + ", " + record.secondPage.resellerInfo, saved);
    }

    // Closed while a registration goes out, the window says that it closes once the maker
    // answers, and does then; closed again, it may close at once. Closed while an address is
    // checked, the question says that the address is out; the check's answer changes nothing.
    void closingWhileTheEngineWorks()
    {
        Wizard wizard(&m_engine);
        QVERIFY(wizard.act("Next"));
        QList<bool> mayClose;
        QString shown;
        m_engine.whileWorking = [&] {
            mayClose << wizard.tab.mayClose(&wizard.stack) << wizard.tab.mayClose(&wizard.stack);
            shown = wizard.status();
        };
        QVERIFY(wizard.act("Save and Register"));
        QCOMPARE(mayClose, QList<bool>({false, true}));
        QVERIFY2(shown.endsWith("KVB closes as soon as the maker answers."), qPrintable(shown));
        QVERIFY(!wizard.stack.isVisible());

        Wizard checking(&m_engine);
        m_engine.addressResult = 3;
        checking.find<QLineEdit>("City:")->setText("Elsewhere");
        QString told;
        // The question is answered with the arrow; the wait cursor comes back after.
        QList<bool> waitCursor;
        m_engine.whileWorking = [&] {
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                told = box->informativeText();
                waitCursor << (QGuiApplication::overrideCursor() != nullptr);
                box->button(QMessageBox::Discard)->click();
            });
            if (checking.tab.mayClose(&checking.stack))
                checking.stack.hide();
            waitCursor << (QGuiApplication::overrideCursor() != nullptr);
        };
        QVERIFY(checking.act("Next"));
        QVERIFY2(told.contains("is with the maker's address check right now"), qPrintable(told));
        QCOMPARE(waitCursor, QList<bool>({false, true}));
        QCOMPARE(checking.page()->objectName(), ManageWidget::FirstPage);
        QCOMPARE(checking.status(), "");
    }

    // A copy registered before is registered again only when the user says so.
    void secondRegistrationIsAsked()
    {
        QVERIFY(RegistrationNote::write(QDate(2025, 1, 2)));
        Wizard wizard(&m_engine);
        QVERIFY(wizard.act("Next"));
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            QString asked;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                asked = box->text();
                box->button(answer)->click();
            });
            QVERIFY(wizard.act("Save and Register"));
            QVERIFY2(asked.startsWith("This copy was registered on"), qPrintable(asked));
            QCOMPARE(m_engine.registrations.size(), answer == QMessageBox::Yes ? 1 : 0);
        }
    }

    // What the view of what is sent shows is what the engine receives, byte for byte, the items
    // that arrive otherwise than typed marked.
    void sentItemsAreWhatTheEngineReceives()
    {
        EngineClient engine;
        engine.setEngineEntry(receivingEntry);
        engine.setCallerType("KVB");
        Wizard wizard(&engine);
        wizard.find<QLineEdit>("Company:")->setText("Smith, Jones \u5343");
        QVERIFY(wizard.act("Next") && wizard.act("Next"));
        QByteArray shown;
        QString marked;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<SentItemsDialog *>(QApplication::activeModalWidget());
            shown = dialog->sentText();
            const auto *table = dialog->findChild<QTableWidget *>();
            for (int row = 0; row < table->rowCount(); ++row)
                if (!table->item(row, 1)->toolTip().isEmpty())
                    marked += table->item(row, 0)->text() + ' ';
            dialog->reject();
        });
        QVERIFY(wizard.act("ViewSent"));
        QCOMPARE(marked, "Company ");
        QVERIFY(wizard.act("Save and Register"));
        QCOMPARE(received, shown);
    }

    // A text that cannot reach the maker as written: the page says so at once and marks the
    // field; the first send sends nothing and puts the focus on the field, the second, with
    // nothing changed, sends. Save sends nothing, and never warns.
    void unsendableWarnsOnce()
    {
        Wizard wizard(&m_engine);
        QVERIFY(QTest::qWaitForWindowActive(&wizard.stack));
        const QString other = "BuyerWorkType:Other, Please Specify";
        QVERIFY(wizard.act("Next") && wizard.act(other));
        auto *edit = wizard.find<QLineEdit>("WorkTypeOther");
        const auto *mark = edit->findChild<QToolButton *>();
        QVERIFY(mark && !mark->isVisibleTo(edit));
        edit->setText("\u5343\u4ee3\u7530");
        QVERIFY2(wizard.status().startsWith("Some characters in"), qPrintable(wizard.status()));
        QVERIFY(mark->isVisibleTo(edit));
        QVERIFY(!edit->accessibleDescription().isEmpty());
        // Another type of work hides the field, and the warning with it, until it shows again.
        QVERIFY(wizard.act("BuyerWorkType:Film"));
        QVERIFY2(!wizard.status().startsWith("Some characters in"), qPrintable(wizard.status()));
        QVERIFY(wizard.act(other));
        QVERIFY(wizard.status().startsWith("Some characters in"));
        QVERIFY(wizard.act("Save"));
        QCOMPARE(wizard.status(), "Registration data saved successfully.");

        QVERIFY(wizard.act("Save and Register"));
        QCOMPARE(m_engine.registrations.size(), 0);
        QVERIFY2(wizard.status().endsWith(
                     "Press Save and Register again to send them with \"?\" in their place."),
            qPrintable(wizard.status()));
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(wizard.act("Save and Register"));
        QCOMPARE(m_engine.registrations.size(), 1);
    }

    // The city went as "???", and the service echoed that in its correction of the street: the
    // corrected address, shown beside the original, keeps the user's kanji, on the page, handed on
    // and saved. The lines to
    // confirm are whole and in the text's colours (not greyed), and those that differ are marked
    // for eyes and screen readers alike.
    void correctionKeepsWhatCouldNotBeSent()
    {
        const QString kanji = "\u5343\u4ee3\u7530";
        const QString street = "1600 Amphitheatre Parkway Building 40";
        m_engine.addressResult = 1;
        m_engine.reply = QByteArray(correction)
                             .replace("CITY=Town", "CITY=???")
                             .replace("2 Corrected Rd", street.toUtf8());
        Wizard wizard(&m_engine);
        wizard.find<QLineEdit>("City:")->setText(kanji);
        // The contact page too warns once: the first Next sends nothing.
        QVERIFY(wizard.act("Next") && m_engine.addresses.isEmpty() && wizard.act("Next"));
        const auto *city = wizard.find<QLineEdit>("Corrected City:");
        const auto *line = wizard.find<QLineEdit>("Corrected Street Address 1:");
        QCOMPARE(city->text(), kanji);
        QCOMPARE(line->text(), street);
        QCOMPARE(wizard.find<QLineEdit>("Original Street Address 1:")->text(), "1 Main St");
        QVERIFY(line->isEnabled() && line->isReadOnly());
        QTRY_VERIFY(line->width() > line->fontMetrics().horizontalAdvance(street));
        for (const QLineEdit *field : {city, line}) {
            QCOMPARE(field->font().bold(), field == line);
            QCOMPARE(field->accessibleDescription().isEmpty(), field != line);
        }
        QVERIFY(wizard.act("Replace") && wizard.act("Next") && wizard.act("Save and Register"));
        ReadRegInfo saved;
        QCOMPARE(saved.firstPageRecord()->city, kanji);
        QCOMPARE(saved.firstPageRecord()->streetAddress1, street);
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
