#include "app/mainwindow.h"
#include "engine/engineclient.h"
#include "regdata/datafolder.h"
#include "regdata/savereginfo.h"
#include "wizard/addresstext.h"
#include "wizard/firstregpage.h"
#include "wizard/statuslabel.h"
#include "wizardstack.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
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
int engineResult = 0;
QByteArray engineReply;
// The page while the address check blocks: message, kind, Next and cursor,
// and its status line as it is on screen and as it should look.
QString duringCheck;
QImage statusShown;
QImage statusRendered;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    calls << QByteArray(command) + ' ' + parameters;
    if (watchedPage && !std::strcmp(command, "SENDADDRESS")) {
        auto *status = watchedPage->findChild<StatusLabel *>();
        const QCursor *cursor = QGuiApplication::overrideCursor();
        duringCheck = QString("%1 %2 %3 %4")
                          .arg(status->text())
                          .arg(status->kind())
                          .arg(watchedPage->findChild<QPushButton *>("Next")->isEnabled())
                          .arg(cursor ? cursor->shape() : -1);
        QWidget *window = status->window();
        const QRect area(status->mapTo(window, QPoint(0, 0)), status->size());
        statusShown = window->screen()
                          ->grabWindow(window->winId())
                          .toImage()
                          .copy(area)
                          .convertToFormat(QImage::Format_RGB32);
        statusRendered = status->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // An impatient user clicks Next again while the check runs.
        postClick(watchedPage->findChild<QPushButton *>("Next"));
    }
    std::memcpy(reply, engineReply.constData(), std::size_t(engineReply.size()) + 1);
    return engineResult;
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

const QString correctedFields = "1 Main St||Town|North|N1|12345|Threeland|TL";

const QByteArray sentAddress = "SENDADDRESS ADDRESS1= 1 Main St ,ADDRESS2=,CITY=Town,COUNTRY=TL,"
                               "POSTCODE=12345,Register=1,STATE=M1";

QString fields(const AddressRecord &address)
{
    return QStringList {address.streetAddress1, address.streetAddress2, address.city,
        address.regionName, address.regionCode, address.postcode, address.countryName,
        address.countryCode}
        .join('|');
}

struct Wizard : WizardStack
{
    Wizard()
    {
        stack.show();
        watchedPage = page;
    }
    ~Wizard() { watchedPage = nullptr; }

    QPushButton *button(const char *name) const { return page->findChild<QPushButton *>(name); }

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

    void chooseRegion(const QString &name) const
    {
        for (QAction *item : button("RegionButton")->menu()->actions())
            if (item->data() == name)
                item->trigger();
    }

    void fill(const QString &country = "Threeland", const QString &regionName = "Middle") const
    {
        for (const auto &[label, text] : form)
            type(label, text);
        chooseCountry(country);
        chooseRegion(regionName);
    }

    // The country and region buttons' captions, the region menu's items,
    // and whether Next is enabled.
    QStringList choices() const
    {
        QStringList items;
        for (const QAction *item : button("RegionButton")->menu()->actions())
            items << item->text();
        return {button("CountryButton")->text(), button("RegionButton")->text(), items.join(','),
            button("Next")->isEnabled() ? "Next" : "no Next"};
    }

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
    void addressTextTakesValuesAsTheyStand();
    void correctedReply_data();
    void correctedReply();
    void resultRoutes_data();
    void resultRoutes();
    void unreadableCorrectionOffersOnlyToReenter();
    void countryAndRegionChoices();
    void prefill_data();
    void prefill();
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

void TestFirstRegPage::addressTextTakesValuesAsTheyStand()
{
    const AddressRecord address {
        "1 Main St", "", "Town", "Some Region", "XX", "12345", "Some Country", "YY"};
    QCOMPARE(addressText(address),
        "ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=XX,REGION_NAME=Some Region,"
        "POSTCODE=12345,COUNTRY=YY,COUNTRY_NAME=Some Country");
}

void TestFirstRegPage::correctedReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("corrected"); // as fields(), or null when unreadable

    const QByteArray &full = correctedReplyText;
    QTest::newRow("nine parts") << full << correctedFields;
    QTest::newRow("parts after the ninth") << full + ",EXTRA=1,," << correctedFields;
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

    AddressRecord address;
    const bool read = readCorrectedAddress(QString::fromLatin1(reply), address);
    QCOMPARE(read ? fields(address) : QString(), corrected);
}

void TestFirstRegPage::resultRoutes_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<QString>("choice"); // on the confirmation page
    QTest::addColumn<QString>("address"); // handed to the purchase page

    const QString entered = " 1 Main St ||Town|Middle|M1|12345|Threeland|TL";
    QTest::newRow("0: accepted") << 0 << 3 << "" << entered;
    QTest::newRow("1: corrected, replaced")
        << 1 << 1 << "Replace my original address with the corrected address." << correctedFields;
    QTest::newRow("1: corrected, kept") << 1 << 1 << "Keep my original address" << entered;
    QTest::newRow("2: unverified") << 2 << 2 << "Keep my original address" << entered;
    QTest::newRow("3: the check failed") << 3 << 0 << ""
                                         << "";
    QTest::newRow("no engine") << int(EngineClient::NoEngine) << 0 << ""
                               << "";
}

void TestFirstRegPage::resultRoutes()
{
    QFETCH(int, result);
    QFETCH(int, pageIndex);
    QFETCH(QString, choice);
    QFETCH(QString, address);

    Wizard wizard;
    QVERIFY(QTest::qWaitForWindowExposed(&wizard.stack));
    wizard.fill();
    engineResult = result;
    engineReply = correctedReplyText;
    QPushButton *next = wizard.button("Next");
    next->click();
    // The click made while the engine worked must not send the address
    // again once it has answered.
    QCoreApplication::processEvents();

    // The check blocks the window, so that nothing is painted while a slow
    // engine works: the busy message must be on screen before it starts.
    QCOMPARE(calls, QByteArrayList({"SetCallerType callerType=KVB", sentAddress}));
    QCOMPARE(duringCheck, QString("Verifying address.... 5 0 %1").arg(Qt::WaitCursor));
    QCOMPARE(statusShown, statusRendered);
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(next->isEnabled());
    QCOMPARE(wizard.stack.currentIndex(), pageIndex);
    // A failed check says so, and leaves Next ready for another try.
    QCOMPARE(wizard.page->findChild<StatusLabel *>()->text(),
        pageIndex == 0 ? "The address could not be verified just now. Please try again." : "");

    if (!choice.isEmpty()) {
        buttonWithText(wizard.stack.currentWidget(), choice)->click();
        buttonWithText(wizard.stack.currentWidget(), "Next")->click();
    }
    QSharedPointer<AddressRecord> handed = wizard.secondPage()->address();
    QCOMPARE(handed ? fields(*handed) : QString(), address);

    // Another Next frees the contact handed on before, and on the direct way
    // the address too; the purchase page keeps one it got by a choice.
    const QWeakPointer<AddressRecord> earlierAddress = handed;
    const QWeakPointer<ContactRecord> earlierContact = wizard.secondPage()->contact();
    handed.reset();
    wizard.stack.setCurrentWidget(wizard.page);
    wizard.button("Next")->click();
    QVERIFY(!earlierContact);
    QCOMPARE(earlierAddress.isNull(), choice.isEmpty());
}

void TestFirstRegPage::unreadableCorrectionOffersOnlyToReenter()
{
    // A correction taken in a first round, then one too short to read: the
    // earlier round's addresses are neither shown nor offered.
    Wizard wizard;
    wizard.fill();
    engineResult = 1;
    engineReply = correctedReplyText;
    wizard.button("Next")->click();
    QWidget *page = wizard.stack.currentWidget();
    buttonWithText(page, "Replace my original address with the corrected address.")->click();
    engineReply = "ADDRESS1=1 Main St,ADDRESS2=";
    wizard.button("Next")->click();

    QCOMPARE(wizard.stack.currentWidget(), page);
    for (const QLineEdit *field : page->findChildren<QLineEdit *>())
        QCOMPARE(field->text(), QString());
    QAbstractButton *next = buttonWithText(page, "Next");
    QVERIFY(!next->isEnabled());
    for (const QAbstractButton *choice : page->findChildren<QRadioButton *>())
        QCOMPARE(choice->isEnabled() || choice->isChecked(),
            choice->text() == "Let me re-enter my address");
    buttonWithText(page, "Let me re-enter my address")->click();
    next->click();
    QCOMPARE(wizard.stack.currentWidget(), wizard.page);
}

void TestFirstRegPage::countryAndRegionChoices()
{
    // Before a country is chosen the menu offers nothing to choose.
    Wizard wizard;
    const QString none = "Select a Region";
    wizard.button("RegionButton")->menu()->actions().first()->trigger();
    QCOMPARE(wizard.choices(), QStringList({"Select a Country", none, none, "no Next"}));

    wizard.fill("Threeland", "");
    QCOMPARE(wizard.choices(), QStringList({"Threeland", none, "North,Middle,South", "no Next"}));
    wizard.chooseRegion("South");
    QCOMPARE(wizard.choices(), QStringList({"Threeland", "South", "North,Middle,South", "Next"}));

    // A cancelled dialog changes nothing; another country asks for its
    // region again, at once.
    wizard.chooseCountry("");
    QCOMPARE(wizard.choices(), QStringList({"Threeland", "South", "North,Middle,South", "Next"}));
    wizard.chooseCountry("Beta");
    QCOMPARE(wizard.choices(), QStringList({"Beta", none, "Lake,Border", "no Next"}));
    // Neither the dialogs nor the earlier countries' items are kept.
    QVERIFY(wizard.page->findChildren<QDialog *>().isEmpty());
    QCOMPARE(wizard.page->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly).size(), 2);

    // A region name that two countries share is sent with the chosen
    // country's own code.
    wizard.chooseRegion("Border");
    wizard.button("Next")->click();
    QCOMPARE(calls.value(1), QByteArray(sentAddress).replace("TL", "BE").replace("M1", "B-B"));
}

void TestFirstRegPage::prefill_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("codes"); // COUNTRY and STATE as sent

    QTest::newRow("listed") << "Threeland"
                            << "South"
                            << "North,Middle,South"
                            << "TL,S1";
    QTest::newRow("empty captions count as chosen") << ""
                                                    << ""
                                                    << "Select a Region"
                                                    << ",";
    QTest::newRow("country no longer listed") << "Atlantis"
                                              << "Border"
                                              << ""
                                              << ",A-B";
}

void TestFirstRegPage::prefill()
{
    QFETCH(QString, country);
    QFETCH(QString, region);
    QFETCH(QString, menu);
    QFETCH(QString, codes);

    RegistrationRecord record;
    for (const auto &field : FirstPageRecord::fields)
        record.firstPage.*field.value = "a@b.cd";
    record.firstPage.country = country;
    record.firstPage.state = region;
    QVERIFY(SaveRegInfo(&record.firstPage, &record.secondPage).save());

    Wizard wizard;
    QCOMPARE(wizard.choices(), QStringList({country, region, menu, "Next"}));
    wizard.button("Next")->click();
    QCOMPARE(QString::fromLatin1(calls.value(1)),
        QString("SENDADDRESS ADDRESS1=a@b.cd,ADDRESS2=a@b.cd,CITY=a@b.cd,COUNTRY=%1,"
                "POSTCODE=a@b.cd,Register=1,STATE=%2")
            .arg(codes.section(',', 0, 0), codes.section(',', 1)));
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
