#include "app/mainwindow.h"
#include "engine/engineclient.h"
#include "platform/platform.h"
#include "regdata/datafolder.h"
#include "wizard/addresstext.h"
#include "wizard/firstregpage.h"
#include "wizard/managewidget.h"
#include "wizard/registrationtab.h"
#include "wizard/secondregpage.h"
#include "wizard/statuslabel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>

namespace {

QtMessageHandler testHandler = nullptr;

// The offscreen platform warns about every dialog and menu it shows.
void dropPlatformWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        testHandler(type, context, text);
}

FirstRegPage *watchedPage = nullptr;
QByteArrayList calls;
QString duringCheck; // the page while the address check blocks: message, kind, Next, cursor
int engineResult = 0;
QByteArray engineReply;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    calls << QByteArray(command) + ' ' + parameters;
    if (watchedPage && !std::strcmp(command, "SENDADDRESS")) {
        const auto *status = watchedPage->findChild<StatusLabel *>();
        const QCursor *cursor = QGuiApplication::overrideCursor();
        duringCheck = QString("%1 %2 %3 %4")
                          .arg(status->text())
                          .arg(status->kind())
                          .arg(watchedPage->findChild<QPushButton *>("Next")->isEnabled())
                          .arg(cursor ? cursor->shape() : -1);
    }
    std::memcpy(reply, engineReply.constData(), std::size_t(engineReply.size()) + 1);
    return engineResult;
}

// The window's status line as it is on screen, and as it should look, when
// a slow engine begins to check the address.
Platform::EngineEntry slowEntry = nullptr;
QImage statusShown;
QImage statusRendered;

int KVB_CDECL watchingSlowEntry(const char *command, const char *parameters, char *reply)
{
    if (watchedPage && !std::strcmp(command, "SENDADDRESS")) {
        auto *status = watchedPage->findChild<StatusLabel *>();
        QWidget *window = status->window();
        const QRect area(status->mapTo(window, QPoint(0, 0)), status->size());
        statusShown = window->screen()
                          ->grabWindow(window->winId())
                          .toImage()
                          .copy(area)
                          .convertToFormat(QImage::Format_RGB32);
        statusRendered = status->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    return slowEntry(command, parameters, reply);
}

QByteArray region(const QByteArray &name, const QByteArray &code)
{
    return "<State><LongName Short='" + code + "'>" + name + "</LongName></State>";
}

// Two countries share a region name; the first in the file gives its code.
const QByteArray catalogue = "<RegMaster><Country LongName='Threeland' ShortName='TL'>"
    + region("North", "N1") + region("Middle", "M1") + region("South", "S1") + "</Country>"
    + "<Country LongName='Alpha' ShortName='AL'>" + region("Border", "A-B") + "</Country>"
    + "<Country LongName='Beta' ShortName='BE'>" + region("Lake", "B-L") + region("Border", "B-B")
    + "</Country></RegMaster>";

// A complete form; the street keeps its blanks all the way to the engine.
const QList<std::pair<QString, QString>> form {{"First Name:", "Ann"}, {"Last Name:", "Lee"},
    {"Title:", "Dr"}, {"Company:", "Acme"}, {"Department:", "Post"},
    {"Email Address:", "ann@example.com"}, {"Phone Number:", "555 0100"},
    {"Street Address 1:", " 1 Main St "}, {"Street Address 2:", ""}, {"City:", "Town"},
    {"Zip/Postal Code:", "12345"}};

const QByteArray correctedReplyText
    = "ADDRESS1=1 Main St,ADDRESS2=,ISO_CODE=XX-N,CITY=Town,STATE=N1,REGION_NAME=North,"
      "POSTCODE=12345,COUNTRY=TL,COUNTRY_NAME=Threeland";

const QByteArray sentAddress = "SENDADDRESS ADDRESS1= 1 Main St ,ADDRESS2=,CITY=Town,COUNTRY=TL,"
                               "POSTCODE=12345,Register=1,STATE=M1";

QStringList fields(const AddressRecord &address)
{
    return {address.streetAddress1, address.streetAddress2, address.city, address.regionName,
        address.regionCode, address.postcode, address.countryName, address.countryCode};
}

QAbstractButton *button(QWidget *page, const QString &text)
{
    for (QAbstractButton *candidate : page->findChildren<QAbstractButton *>())
        if (candidate->text() == text)
            return candidate;
    qFatal("No button %s", qPrintable(text));
}

// The wizard as the main window puts it together.
struct Wizard
{
    Wizard()
    {
        for (QWidget *widget :
            {tab.firstRegPage(), tab.correctRegPage(), tab.unknownRegPage(), tab.secondRegPage()})
            stack.addWidget(widget);
        ManageWidget::instance()->setRegistrationStack(&stack);
        stack.show();
        watchedPage = page;
    }
    ~Wizard() { watchedPage = nullptr; }

    QPushButton *button(const char *name) const { return page->findChild<QPushButton *>(name); }
    SecondRegPage *secondPage() const { return qobject_cast<SecondRegPage *>(tab.secondRegPage()); }

    // Types as a user of the keyboard alone would.
    void type(const QString &label, const QString &text) const
    {
        auto *field = page->findChild<QLineEdit *>(label);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    // Picks country in the country dialog, or cancels it for an empty name.
    void chooseCountry(const QString &country) const
    {
        QTimer::singleShot(0, page, [country] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *list = dialog->findChild<QListWidget *>();
            const auto items = list->findItems(country, Qt::MatchExactly);
            if (items.isEmpty())
                return dialog->reject();
            list->setCurrentItem(items.first());
            QTest::keyClick(list, Qt::Key_Return);
        });
        QTest::mouseClick(button("CountryButton"), Qt::LeftButton);
    }

    // Picks a region from the menu with the keyboard.
    void chooseRegion(const QString &name) const
    {
        QTimer::singleShot(0, page, [name] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (int step = 0; step <= menu->actions().size(); ++step) {
                if (menu->activeAction() && menu->activeAction()->data() == name)
                    return QTest::keyClick(menu, Qt::Key_Return);
                QTest::keyClick(menu, Qt::Key_Down);
            }
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        QTest::keyClick(button("RegionButton"), Qt::Key_Space);
    }

    void fill(const QString &country = "Threeland", const QString &regionName = "Middle") const
    {
        for (const auto &[label, text] : form)
            type(label, text);
        chooseCountry(country);
        chooseRegion(regionName);
    }

    QStringList menu() const
    {
        QStringList items;
        for (const QAction *item : button("RegionButton")->menu()->actions())
            items << item->data().toString();
        return items;
    }

    RegistrationTab tab;
    QStackedWidget stack;
    FirstRegPage *page = qobject_cast<FirstRegPage *>(tab.firstRegPage());
};

} // namespace

class TestFirstRegPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void emailRule_data();
    void emailRule();
    void nextFollowsTyping();
    void invalidEmailSendsNothing();
    void addressTextTakesValuesAsTheyStand();
    void resultRoutes_data();
    void resultRoutes();
    void correctedReply_data();
    void correctedReply();
    void countryAndRegionChoices();
    void prefill_data();
    void prefill();
    void repeatedNextFreesEarlierRecords();
    void busyMessageIsOnScreenWhileTheEngineWorks();
    void pageFitsTheWindow();

private:
    QTemporaryDir m_dir;
};

void TestFirstRegPage::initTestCase()
{
    testHandler = qInstallMessageHandler(dropPlatformWarnings);
    qputenv("KVB_COMMON_FILES_DIR", QFile::encodeName(m_dir.path()));
    DataFolder::setPath(m_dir.path() + "/Tarn/CustomData/");
    QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
    QFile file(DataFolder::filePath("RegData/RegMaster.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(catalogue) == catalogue.size());
}

void TestFirstRegPage::init()
{
    EngineClient::instance().setEngineEntry(recordingEntry);
    EngineClient::instance().setCallerType("KVB");
    calls.clear();
    duringCheck.clear();
    engineResult = 0;
    engineReply.clear();
}

void TestFirstRegPage::cleanup()
{
    QFile::remove(DataFolder::filePath("RegData/RegInfo.xml"));
    auto windows = QApplication::topLevelWidgets();
    windows.removeOne(ManageWidget::instance());
    QVERIFY(windows.isEmpty());
}

void TestFirstRegPage::emailRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("five characters") << "a@b.c" << true;
    QTest::newRow("four characters") << "a@b." << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("nothing before the at-sign") << "@ab.c" << true;
    QTest::newRow("nothing between at-sign and dot") << "ab@.c" << true;
    QTest::newRow("no dot after the at-sign") << "ab.c@d" << false;
    QTest::newRow("no at-sign") << "ab.cd" << false;
    QTest::newRow("two at-signs before the dot") << "a@@b.c" << false;
    QTest::newRow("second at-sign after the dot") << "a@b.c@d" << true;
    QTest::newRow("blanks count and pass") << " @.  " << true;
}

void TestFirstRegPage::emailRule()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(FirstRegPage::isValidEmail(text), valid);
}

void TestFirstRegPage::nextFollowsTyping()
{
    // Typed without a single mouse press on the fields.
    Wizard wizard;
    QPushButton *next = wizard.button("Next");
    QVERIFY(!next->isEnabled());
    wizard.fill();
    QVERIFY(next->isEnabled());

    // Blanks leave a required field empty.
    const QStringList optional {"Title:", "Company:", "Department:", "Street Address 2:"};
    for (const auto &[label, text] : form) {
        wizard.type(label, "  ");
        QVERIFY2(next->isEnabled() == optional.contains(label), qPrintable(label));
        wizard.type(label, text);
        QVERIFY(next->isEnabled());
    }
}

void TestFirstRegPage::invalidEmailSendsNothing()
{
    Wizard wizard;
    wizard.fill();
    wizard.type("Email Address:", "ab.c@d");
    wizard.button("Next")->click();

    const auto *status = wizard.page->findChild<StatusLabel *>();
    QCOMPARE(status->text(), "Please enter a valid email address.");
    QCOMPARE(status->kind(), int(StatusLabel::Error));
    QVERIFY(calls.isEmpty());
    QVERIFY(wizard.button("Next")->isEnabled());
    QCOMPARE(wizard.stack.currentWidget(), wizard.page);
}

void TestFirstRegPage::addressTextTakesValuesAsTheyStand()
{
    const AddressRecord address {
        "1 Main St", "", "Town", "Some Region", "XX", "12345", "Some Country", "YY"};
    QCOMPARE(addressText(address),
        "ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,REGION_NAME=Some Region,"
        "POSTCODE=12345,COUNTRY=YY,COUNTRY_NAME=Some Country");
}

void TestFirstRegPage::resultRoutes_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<QString>("keep"); // the choice that hands the entered address on

    QTest::newRow("0: accepted") << 0 << 3 << "";
    QTest::newRow("1: corrected") << 1 << 1 << "Keep my original address";
    QTest::newRow("2: unverified") << 2 << 2 << "Keep my original address";
    QTest::newRow("3: the check failed") << 3 << 0 << "";
    QTest::newRow("no engine") << int(EngineClient::NoEngine) << 0 << "";
}

void TestFirstRegPage::resultRoutes()
{
    QFETCH(int, result);
    QFETCH(int, pageIndex);
    QFETCH(QString, keep);

    Wizard wizard;
    wizard.fill();
    engineResult = result;
    engineReply = correctedReplyText;
    wizard.button("Next")->click();

    QCOMPARE(calls, QByteArrayList({"SetCallerType callerType=KVB", sentAddress}));
    QCOMPARE(duringCheck, QString("Verifying address.... 5 0 %1").arg(Qt::WaitCursor));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(wizard.page->findChild<StatusLabel *>()->text(), QString());
    QVERIFY(wizard.button("Next")->isEnabled());
    QCOMPARE(wizard.stack.currentIndex(), pageIndex);

    const ContactRecord &contact = *wizard.secondPage()->contact();
    QCOMPARE(QStringList({contact.firstName, contact.lastName, contact.company, contact.department,
                 contact.emailAddress, contact.phoneNumber, contact.title}),
        QStringList({"Ann", "Lee", "Acme", "Post", "ann@example.com", "555 0100", "Dr"}));

    // The entered address reaches the purchase page, directly or by the
    // confirmation page's choice.
    if (!keep.isEmpty()) {
        button(wizard.stack.currentWidget(), keep)->click();
        button(wizard.stack.currentWidget(), "Next")->click();
    }
    const auto address = wizard.secondPage()->address();
    QCOMPARE(address.isNull(), pageIndex == 0);
    if (address)
        QCOMPARE(fields(*address),
            QStringList({" 1 Main St ", "", "Town", "Middle", "M1", "12345", "Threeland", "TL"}));
}

void TestFirstRegPage::correctedReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("corrected"); // as "|"-joined fields, or null when unreadable

    const QByteArray &full = correctedReplyText;
    const QString fullFields = "1 Main St||Town|North|N1|12345|Threeland|TL";
    QTest::newRow("nine parts") << full << fullFields;
    QTest::newRow("parts after the ninth") << full + ",EXTRA=1,," << fullFields;
    QTest::newRow("position 3 lacks CITY") << QByteArray(full).replace("CITY=Town", "city=Town")
                                           << "1 Main St|||North|N1|12345|Threeland|TL";
    QTest::newRow("a value with a second =") << QByteArray(full).replace(
        "=Threeland", "=Three=land") << "1 Main St||Town|North|N1|12345|Three=land|TL";
    QTest::newRow("the key anywhere, no =") << QByteArray(full).replace(
        "POSTCODE=12345", "xPOSTCODEy") << "1 Main St||Town|North|N1|xPOSTCODEy|Threeland|TL";
    QTest::newRow("eight parts") << QByteArray("ADDRESS1=a,,,,,,,COUNTRY_NAME=b") << QString();
}

void TestFirstRegPage::correctedReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, corrected);

    Wizard wizard;
    wizard.fill();
    engineResult = 1;
    engineReply = reply;
    wizard.button("Next")->click();
    QCOMPARE(wizard.stack.currentIndex(), 1);

    // Only an address that was handed over can be taken.
    QWidget *correctPage = wizard.stack.currentWidget();
    QAbstractButton *replace
        = button(correctPage, "Replace my original address with the corrected address.");
    QCOMPARE(replace->isEnabled(), !corrected.isNull());
    if (corrected.isNull())
        return;
    replace->click();
    button(correctPage, "Next")->click();
    QCOMPARE(fields(*wizard.secondPage()->address()).join('|'), corrected);
}

void TestFirstRegPage::countryAndRegionChoices()
{
    Wizard wizard;
    QPushButton *country = wizard.button("CountryButton");
    QPushButton *regionButton = wizard.button("RegionButton");
    QPushButton *next = wizard.button("Next");
    QCOMPARE(wizard.menu(), QStringList {QString()});
    // Before a country is chosen the menu offers nothing to choose.
    QCOMPARE(regionButton->menu()->actions().first()->text(), "Select a Region");
    regionButton->menu()->actions().first()->trigger();
    QCOMPARE(regionButton->text(), "Select a Region");

    wizard.fill("Threeland", "");
    QCOMPARE(wizard.menu(), QStringList({"North", "Middle", "South"}));
    QCOMPARE(regionButton->text(), "Select a Region");
    QVERIFY(!next->isEnabled());

    wizard.chooseRegion("South");
    QCOMPARE(regionButton->text(), "South");
    QVERIFY(next->isEnabled());

    // A cancelled dialog changes nothing.
    wizard.chooseCountry("");
    QCOMPARE(country->text(), "Threeland");
    QCOMPARE(regionButton->text(), "South");
    QCOMPARE(wizard.menu(), QStringList({"North", "Middle", "South"}));

    // Another country asks for its region again, at once.
    wizard.chooseCountry("Beta");
    QCOMPARE(country->text(), "Beta");
    QCOMPARE(regionButton->text(), "Select a Region");
    QCOMPARE(wizard.menu(), QStringList({"Lake", "Border"}));
    QVERIFY(!next->isEnabled());
    // Neither the dialogs nor the earlier countries' items are kept.
    QVERIFY(wizard.page->findChildren<QDialog *>().isEmpty());
    QCOMPARE(wizard.page->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly).size(), 2);

    // A region name that two countries share is sent with the code of the
    // first of them in the catalogue.
    wizard.chooseRegion("Border");
    next->click();
    QCOMPARE(calls.value(1), QByteArray(sentAddress).replace("TL", "BE").replace("M1", "A-B"));
}

// clang-format off
void TestFirstRegPage::prefill_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QString>("codes"); // as sent: COUNTRY and STATE

    QTest::newRow("listed")
        << "Threeland" << "South" << QStringList({"North", "Middle", "South"})
        << "COUNTRY=TL STATE=S1";
    QTest::newRow("empty captions count as chosen")
        << "" << "" << QStringList {QString()} << "COUNTRY= STATE=";
    QTest::newRow("country no longer listed")
        << "Atlantis" << "Border" << QStringList() << "COUNTRY= STATE=A-B";
}
// clang-format on

void TestFirstRegPage::prefill()
{
    QFETCH(QString, country);
    QFETCH(QString, region);
    QFETCH(QStringList, menu);
    QFETCH(QString, codes);

    const QByteArray saved = QString(
        "<r><FirstRegPage><FirstName>F</FirstName><LastName>L</LastName><Title>T</Title>"
        "<Company>C</Company><Department>D</Department><EmailAddress>a@b.cd</EmailAddress>"
        "<PhoneNumber>P</PhoneNumber><StreetAddress1>S1</StreetAddress1>"
        "<StreetAddress2>S2</StreetAddress2><City>Ci</City><Zip>Z</Zip>"
        "<Country>%1</Country><State>%2</State></FirstRegPage></r>")
                                 .arg(country, region)
                                 .toUtf8();
    QFile file(DataFolder::filePath("RegData/RegInfo.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size());
    file.close();

    Wizard wizard;
    QStringList texts;
    for (const auto &[label, text] : form)
        texts << wizard.page->findChild<QLineEdit *>(label)->text();
    QCOMPARE(texts, QStringList({"F", "L", "T", "C", "D", "a@b.cd", "P", "S1", "S2", "Ci", "Z"}));
    QCOMPARE(wizard.button("CountryButton")->text(), country);
    QCOMPARE(wizard.button("RegionButton")->text(), region);
    QCOMPARE(wizard.menu(), menu);
    QVERIFY(wizard.button("Next")->isEnabled());

    wizard.button("Next")->click();
    QStringList sent;
    for (const QByteArray &item : calls.value(1).split(','))
        if (item.startsWith("COUNTRY=") || item.startsWith("STATE="))
            sent << item;
    QCOMPARE(sent.join(' '), codes);
}

void TestFirstRegPage::repeatedNextFreesEarlierRecords()
{
    Wizard wizard;
    wizard.fill();
    QWeakPointer<AddressRecord> earlierAddress;
    QWeakPointer<ContactRecord> earlierContact;
    for (int press = 0; press < 3; ++press) {
        wizard.stack.setCurrentWidget(wizard.page);
        wizard.button("Next")->click();
        QVERIFY(!earlierAddress && !earlierContact);
        earlierAddress = wizard.secondPage()->address();
        earlierContact = wizard.secondPage()->contact();
        QVERIFY(earlierAddress && earlierContact);
    }
}

// The check blocks the window, so that nothing is painted while a slow
// engine works: the busy message must be on screen before it starts.
void TestFirstRegPage::busyMessageIsOnScreenWhileTheEngineWorks()
{
    slowEntry = Platform::resolveEngineEntry(
        Platform::loadLibrary(KVB_TEST_ENGINES_DIR "/slow/libQuill.so"), "QuillCommandA");
    QVERIFY(slowEntry);
    Wizard wizard;
    QVERIFY(QTest::qWaitForWindowExposed(&wizard.stack));
    wizard.fill();
    EngineClient::instance().setEngineEntry(watchingSlowEntry);
    wizard.button("Next")->click();

    QCOMPARE(wizard.stack.currentIndex(), 3);
    QVERIFY(!statusRendered.isNull());
    QCOMPARE(statusShown, statusRendered);
}

void TestFirstRegPage::pageFitsTheWindow()
{
    MainWindow window("tst_firstregpage");
    window.setMaximumSize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.minimumSizeHint().width() <= 600 && window.minimumSizeHint().height() <= 400);

    // Every widget lies inside its parent and clear of its siblings.
    QWidget *page = ManageWidget::instance()->registrationStack()->currentWidget();
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
        for (QWidget *sibling :
            widget->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY(sibling == widget || !sibling->isVisible() || sibling->isWindow()
                || !sibling->geometry().intersects(widget->geometry()));
    }

    // The window opens on the first field, and Tab runs down the left panel,
    // then down the right one; each stop is announced by its label.
    QWidget *first = QApplication::focusWidget();
    QCOMPARE(first, page->findChild<QLineEdit *>("First Name:"));
    QStringList chain;
    QWidget *stop = first;
    do {
        if (page->isAncestorOf(stop) && (stop->focusPolicy() & Qt::TabFocus))
            chain << QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name);
        stop = stop->nextInFocusChain();
    } while (stop != first);
    QCOMPARE(chain,
        QStringList({"First Name:", "Last Name:", "Title:", "Company:", "Department:",
            "Email Address:", "Phone Number:", "Street Address 1:", "Street Address 2:", "City:",
            "Country:", "State/Province/Region:", "Zip/Postal Code:", "Next"}));
}

QTEST_MAIN(TestFirstRegPage)
#include "tst_firstregpage.moc"
