#include "engine/engineclient.h"
#include "engine/enginetext.h"
#include "regdata/datafolder.h"
#include "regdata/savereginfo.h"
#include "wizard/addresstext.h"
#include "wizard/choicebutton.h"
#include "wizard/firstregpage.h"
#include "wizard/managewidget.h"
#include "wizard/purchasedetails.h"
#include "wizard/registrationtab.h"
#include "wizard/secondregpage.h"
#include "wizard/statuslabel.h"
#include "wizard/wrappedlabel.h"
#include "wizard/wrappingcheckbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <cstring>
#include <memory>
#include <time.h>

namespace {

// The engine answers the address check with engineResult and engineReply.
int engineResult = 0;
QByteArray engineReply;
// The contact page while the engine checks its address: what was sent, and
// the status line's message, as it is on screen and as it should look.
QByteArrayList sentAddresses;
QString statusText;
QImage statusShown;
QImage statusRendered;

int KVB_CDECL recordingEntry(const char *command, const char *parameters, char *reply)
{
    if (!std::strcmp(command, "SENDADDRESS")) {
        sentAddresses << parameters;
        QWidget *contactPage = ManageWidget::instance()->registrationStack()->widget(0);
        auto *status = contactPage->findChild<StatusLabel *>();
        statusText = status->text();
        QWidget *window = status->window();
        statusShown = window->screen()
                          ->grabWindow(window->winId())
                          .toImage()
                          .copy(QRect(status->mapTo(window, QPoint(0, 0)), status->size()))
                          .convertToFormat(QImage::Format_RGB32);
        statusRendered = status->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // An impatient user clicks Next again, which the window system
        // queues while the program is busy.
        auto *next = contactPage->findChild<QPushButton *>("Next");
        const QPointF centre = next->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                next, new QMouseEvent(type, centre, centre, Qt::LeftButton, Qt::LeftButton, {}));
    }
    std::memcpy(reply, engineReply.constData(), std::size_t(engineReply.size()) + 1);
    return engineResult;
}

// The wizard's pages on a stack, shown, as the main window puts them
// together, so that the pages find each other through it.
struct Wizard
{
    Wizard()
    {
        for (QWidget *page :
            {tab.firstRegPage(), tab.correctRegPage(), tab.unknownRegPage(), tab.secondRegPage()})
            stack.addWidget(page);
        ManageWidget::instance()->setRegistrationStack(&stack);
        stack.show();
    }

    RegistrationTab tab;
    QStackedWidget stack;
    QWidget *first = tab.firstRegPage();
    QPushButton *next = first->findChild<QPushButton *>("Next");
};

// A wrapped label or check box; a plain label measures afresh each time.
QWidget *wrapped(bool checkBox, bool cached)
{
    if (checkBox)
        return new WrappingCheckBox(QString());
    QLabel *label = cached ? new WrappedLabel : new QLabel;
    label->setWordWrap(true);
    return label;
}

// The heights for a range of widths, asked twice, so that the second round
// is answered from what the widget remembered.
QList<int> heights(const QWidget &widget)
{
    QList<int> heights;
    for (int round = 0; round < 2; ++round)
        for (const int width : {60, 150, 240, 330, 450, 600})
            heights << widget.heightForWidth(width);
    return heights;
}

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(KVB_BIN_DIR "/KVB.rcc"));
        DataFolder::setPath(m_dir.path() + "/Tarn/CustomData/");
        QVERIFY(QDir().mkpath(DataFolder::filePath("RegData")));
        EngineClient::instance().setEngineEntry(recordingEntry);
        // A saved record fills in every field of the contact page; without a
        // catalogue, the country and region have no codes.
        FirstPageRecord record;
        for (const auto &field : FirstPageRecord::fields)
            record.*field.value = "a@b.cd";
        const SecondPageRecord purchase;
        QVERIFY(SaveRegInfo(&record, &purchase).save());
    }

    void cleanup()
    {
        auto windows = QApplication::topLevelWidgets();
        windows.removeOne(ManageWidget::instance());
        QVERIFY(windows.isEmpty());
    }

    void emailRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        QTest::newRow("five characters") << "a@b.c" << true;
        QTest::newRow("four characters") << "a@b." << false;
        QTest::newRow("no dot after the at-sign") << "ab.c@d" << false;
        QTest::newRow("two at-signs before the dot") << "a@@b.c" << false;
        QTest::newRow("second at-sign after the dot") << "a@b.c@d" << true;
        QTest::newRow("blanks count and pass") << " @.  " << true;
    }

    void emailRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(FirstRegPage::isValidEmail(text), valid);
    }

    void correctedReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("corrected"); // street, city, region and its code, postcode,
                                                // country and its code; null when unreadable

        // The third part is the service's own, and is skipped.
        const QByteArray full = "ADDRESS1=1 Main St,ADDRESS2=,ISO=TL-N,CITY=Town,STATE=N1,"
                                "REGION_NAME=North,POSTCODE=1,COUNTRY=TL,COUNTRY_NAME=Land";
        QTest::newRow("nine parts") << full << "1 Main St||Town|North|N1|1|Land|TL";
        QTest::newRow("position 4 lacks CITY")
            << QByteArray(full).replace("CITY", "city") << "1 Main St|||North|N1|1|Land|TL";
        QTest::newRow("a value with a second =")
            << QByteArray(full).replace("=Land", "=La=nd") << "1 Main St||Town|North|N1|1|La=nd|TL";
        QTest::newRow("the key anywhere, no =") << QByteArray(full).replace(
            "POSTCODE=1", "xPOSTCODE") << "1 Main St||Town|North|N1|xPOSTCODE|Land|TL";
        QTest::newRow("eight parts") << QByteArray("ADDRESS1=a,,,,,,,COUNTRY_NAME=b") << QString();
    }

    void correctedReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, corrected);

        AddressRecord a;
        const bool read = readCorrectedAddress(QString::fromLatin1(reply), a);
        const QStringList parts {a.streetAddress1, a.streetAddress2, a.city, a.regionName,
            a.regionCode, a.postcode, a.countryName, a.countryCode};
        QCOMPARE(read ? parts.join('|') : QString(), corrected);
    }

    void purchaseDate()
    {
        // Month and day go one too low, the month counted from 0, at one
        // second past midnight in the zone's winter time. Dublin flags its
        // winter as daylight saving time and keeps London's clock all year.
        const struct
        {
            const char *zone;
            int month, day, year;
            const char *text;
        } dates[] = {{"UTC-1", 2, 15, 2010, "01/13/2010 23:00:01"},
            {"UTC-1", 2, 31, 2024, "01/29/2024 23:00:01"},
            {"UTC-1", 0, 1, 2010, "10/29/2009 23:00:01"}, {"UTC-1", -1, 15, 2010, ""},
            {"Europe/London", 7, 15, 2026, "06/14/2026 00:00:01"},
            {"Europe/Dublin", 2, 15, 2026, "01/14/2026 00:00:01"},
            {"Europe/Dublin", 7, 15, 2026, "06/14/2026 00:00:01"},
            {"Australia/Sydney", 7, 15, 2026, "06/13/2026 14:00:01"}};
        for (const auto &date : dates) {
            qputenv("TZ", date.zone);
            tzset();
            QCOMPARE(PurchaseDetails::dateText(date.month, date.day, date.year), date.text);
        }
    }

    void registrationTextHasItsPairsInOrder()
    {
        const PurchaseDetails details {"01/13/2010 23:00:01", "Studio", "Bundle", "Student",
            "Other", "A & B", "Games", "1", "0", "1"};
        const ContactRecord contact {"Łukasz", "Lee", "Acme 😀", "Post", "a@b.cd", "555", "Ms"};
        const AddressRecord address {"1 Main St", "", "Town", "North", "N1", "1", "Land", "TL"};
        // Each character outside Latin-1 reaches the engine as one "?".
        QCOMPARE(engineText(details.registrationText("SYS-1", "SN-2", contact, address)),
            "SystemID=SYS-1,Serial=SN-2,FirstName=?ukasz,LastName=Lee,Company=Acme ?,"
            "Department=Post,Email=a@b.cd,Phone=555,Title=Ms,PurchaseDate=01/13/2010 23:00:01,"
            "BusinessType=Studio,PurchaseLocation=Bundle,UserType=Student,WorkType=Other,"
            "OtherSystems=1,Reseller=A & B,WorkTypeOther=Games,ThirdParty=1,ContactMe=0,"
            "ADDRESS1=1 Main St,ADDRESS2=,CITY=Town,STATE=N1,REGION_NAME=North,POSTCODE=1,"
            "COUNTRY=TL,COUNTRY_NAME=Land");
    }

    void purchasePrefill_data()
    {
        // The saved values in the order of the record's fields; the captions,
        // the user's own type of work while it is shown, the states of Yes,
        // No and the two offers, and whether Save and Register are enabled.
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("shown");

        QTest::newRow("as saved")
            << "March|15|2023|Tarn Reseller|Best Video|Student|Studio|Other, Please "
               "Specify|Games|1|1|0"
            << "March|15|2023|Tarn Reseller|Best Video|Student|Studio|Other, Please Specify|Games|"
               "1010|1|1";
        // A purchase may be older than the year menu reaches.
        QTest::newRow("damaged") << "Sept|0|1999|Online|Best Video|student|Studio |Other|x||true|1"
                                 << "Month|Day|1999|Purchase Location|Reseller|Type of User|"
                                    "Type of Business|Type of Work||0101|0|0";
        QTest::newRow("two-digit year, no reseller")
            << "May|1|23|Tarn Reseller||Student|Studio|Film|Games|0|0|0"
            << "May|1|Year|Tarn Reseller|Reseller|Student|Studio|Film||0100|0|0";
    }

    void purchasePrefill()
    {
        QFETCH(QString, saved);
        QFETCH(QString, shown);

        SecondPageRecord record;
        for (std::size_t index = 0; index < SecondPageRecord::fields.size(); ++index)
            record.*SecondPageRecord::fields[index].value
                = saved.section('|', int(index), int(index));
        SecondRegPage page(&record);
        page.fillFromRecord();

        QStringList texts;
        for (const ChoiceButton *choice : page.findChildren<ChoiceButton *>())
            texts << choice->text();
        auto *workOther = page.findChild<QLineEdit *>();
        texts << (workOther->isHidden() ? "" : workOther->text()) << "";
        for (const QAbstractButton *choice : page.findChildren<QAbstractButton *>())
            if (choice->isCheckable())
                texts.last() += QString::number(choice->isChecked());
        for (const char *name : {"Save", "Save and Register"})
            texts << QString::number(page.findChild<QPushButton *>(name)->isEnabled());
        QCOMPARE(texts.join('|'), shown);
    }

    void busyPageShowsWhyAndDropsQueuedClicks()
    {
        Wizard wizard;
        QVERIFY(QTest::qWaitForWindowExposed(&wizard.stack));
        sentAddresses.clear();
        engineResult = 0;
        wizard.next->click();
        // The click made while the engine worked must not send the address
        // again once it has answered.
        QCoreApplication::processEvents();
        QCOMPARE(sentAddresses,
            QByteArrayList({"ADDRESS1=a@b.cd,ADDRESS2=a@b.cd,CITY=a@b.cd,COUNTRY=,"
                            "POSTCODE=a@b.cd,Register=1,STATE="}));

        // The check blocks the window, so that nothing is painted while a
        // slow engine works: the busy message must be on screen before.
        QCOMPARE(statusText, "Verifying address....");
        QCOMPARE(statusShown, statusRendered);
    }

    void unreadableCorrectionOffersOnlyToReenter()
    {
        // A correction taken in a first round, then one too short to read:
        // the earlier round's addresses are neither shown nor offered.
        Wizard wizard;
        engineResult = 1;
        engineReply = "ADDRESS1=a,ADDRESS2=,,CITY=a,STATE=a,REGION_NAME=a,POSTCODE=a,COUNTRY=a,"
                      "COUNTRY_NAME=a";
        wizard.next->click();
        QWidget *page = wizard.stack.currentWidget();
        // Replace, keep and re-enter; Back, Cancel and Next.
        const auto choices = page->findChildren<QRadioButton *>();
        QPushButton *next = page->findChildren<QPushButton *>().last();
        choices.first()->click();
        engineReply = "ADDRESS1=1 Main St,ADDRESS2=";
        wizard.next->click();

        QCOMPARE(wizard.stack.currentWidget(), page);
        for (const QLineEdit *field : page->findChildren<QLineEdit *>())
            QCOMPARE(field->text(), QString());
        QVERIFY(!next->isEnabled());
        for (const QRadioButton *choice : choices)
            QCOMPARE(choice->isEnabled() || choice->isChecked(), choice == choices.last());
        choices.last()->click();
        next->click();
        QCOMPARE(wizard.stack.currentWidget(), wizard.first);
    }

    void choiceShownAsItsCharacters_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("markup") << "<h1 style=\"color:red\">Your licence expired: call</h1>";
        QTest::newRow("a huge picture") << "<img width=\"40000\" height=\"40000\" src=\"x\">";
        QTest::newRow("an ampersand, and spaces around") << " Smith & Sons ";
    }

    // A reseller, country or region name from a file is shown as the characters it holds, on
    // the button and in its tool tip, which the toolkit draws as rich text when it looks so.
    void choiceShownAsItsCharacters()
    {
        QFETCH(QString, caption);
        ChoiceButton button("Reseller");
        button.setCaption(caption);
        QCOMPARE(button.caption(), caption);
        const QString tip = button.toolTip();
        QTextDocument shown;
        if (Qt::mightBeRichText(tip))
            shown.setHtml(tip);
        else
            shown.setPlainText(tip);
        QCOMPARE(shown.toPlainText(), caption);
    }

    void statusLineKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("icon");

        const char *icons[] = {"", ":/information.png", ":/check.png", ":/warning.png",
            ":/error.png", ":/clock.png", ""};
        for (int kind = 0; kind < 7; ++kind)
            QTest::addRow("kind %d", kind) << kind << QString(icons[kind]);
    }

    void statusLineKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, icon);

        // A line that showed an error before must not keep its icon, and the
        // line keeps its height, so that the page does not jump.
        const int height = StatusLabel().sizeHint().height();
        StatusLabel status("Earlier", StatusLabel::Error);
        status.setMessage("Message", kind);
        const QLabel *shownIcon = status.findChild<QLabel *>("StatusIcon");
        QCOMPARE(
            shownIcon->pixmap().toImage(), icon.isEmpty() ? QImage() : QPixmap(icon).toImage());
        QCOMPARE(status.sizeHint().height(), height);
        status.clearMessage();
        QVERIFY(shownIcon->pixmap().isNull());
        QCOMPARE(status.sizeHint().height(), height);
    }

    void wrappedTextHeights_data()
    {
        QTest::addColumn<bool>("checkBox");
        QTest::newRow("label") << false;
        QTest::newRow("check box") << true;
    }

    // A widget that remembers its heights must answer as one that measures
    // afresh: at first, after its text changes, and after its font does.
    void wrappedTextHeights()
    {
        QFETCH(bool, checkBox);

        const QString longText = "Yes, I would like to receive periodic information about "
                                 "special offers and new products from the maker, by mail.";
        QFont larger = QApplication::font();
        larger.setPointSize(larger.pointSize() * 2);
        const std::unique_ptr<QWidget> widget(wrapped(checkBox, true));
        QList<int> earlier;
        for (const auto &[text, font] : {std::pair(QString("Yes, please."), QApplication::font()),
                 {longText, QApplication::font()}, {longText, larger}}) {
            const std::unique_ptr<QWidget> fresh(wrapped(checkBox, false));
            for (QWidget *each : {widget.get(), fresh.get()}) {
                each->setFont(font);
                if (auto *label = qobject_cast<QLabel *>(each))
                    label->setText(text);
                else
                    static_cast<QAbstractButton *>(each)->setText(text);
            }
            QCOMPARE(heights(*widget), heights(*fresh));
            QVERIFY(heights(*fresh) != earlier);
            earlier = heights(*fresh);
        }
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
