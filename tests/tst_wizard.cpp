#include "regdata/datafolder.h"
#include "wizard/correctregpage.h"
#include "wizard/unknownregpage.h"
#include "wizardstack.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// Where the main window puts the pages in the stack.
enum
{
    FirstPage,
    CorrectPage,
    UnknownPage,
    SecondPage
};

const char *Replace = "Replace my original address with the corrected address.";
const char *Keep = "Keep my original address";
const char *Reenter = "Let me re-enter my address";

// Every text, codes included, carries the tag, so that each field can be
// traced back to the record it came from.
QSharedPointer<AddressRecord> makeAddress(const QString &tag)
{
    return QSharedPointer<AddressRecord>(new AddressRecord {tag + " Street", tag + " Floor",
        tag + " City", tag + " Region", "RC-" + tag, tag + " 123", tag + " Country", "CC-" + tag});
}

// The texts of a shown page's address fields, column by column, each from
// top to bottom.
QStringList fieldTexts(QWidget *page)
{
    auto fields = page->findChildren<QLineEdit *>();
    std::sort(fields.begin(), fields.end(), [](QLineEdit *a, QLineEdit *b) {
        return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
    });
    QStringList texts;
    for (QLineEdit *field : fields)
        texts << field->text();
    return texts;
}

// The wizard as the main window puts it together, shown, as in the window:
// a page may take the stack when it appears.
struct Wizard : WizardStack
{
    Wizard() { stack.show(); }

    // What the contact page does after the address check, here for all
    // pages at once.
    void handAddresses(int pageIndex, QSharedPointer<AddressRecord> original,
        QSharedPointer<AddressRecord> corrected)
    {
        correctPage()->setOriginal(original);
        correctPage()->setCorrected(corrected);
        qobject_cast<UnknownRegPage *>(tab.unknownRegPage())->setOriginal(original);
        stack.setCurrentIndex(pageIndex);
    }

    CorrectRegPage *correctPage() { return qobject_cast<CorrectRegPage *>(tab.correctRegPage()); }
};

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void backAndCancel_data();
    void backAndCancel();
    void confirmationHandsOverAndIsKept_data();
    void confirmationHandsOverAndIsKept();
    void shortReplyHandsNothingUnset();

private:
    QTemporaryDir m_dataFolder;
};

void TestWizard::initTestCase()
{
    // An empty data folder: the wizard starts without a saved record.
    QVERIFY(m_dataFolder.isValid());
    DataFolder::setPath(m_dataFolder.filePath("Tarn/CustomData/"));
}

void TestWizard::cleanup()
{
    auto windows = QApplication::topLevelWidgets();
    windows.removeOne(ManageWidget::instance());
    QVERIFY(windows.isEmpty());
}

void TestWizard::backAndCancel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("handedAnAddress");

    for (const char *button : {"Back", "Cancel"}) {
        QTest::addRow("corrected address, %s", button) << int(CorrectPage) << button << true;
        // A reply too short to read leads to this page without any address.
        QTest::addRow("corrected address never handed, %s", button)
            << int(CorrectPage) << button << false;
        QTest::addRow("unknown address, %s", button) << int(UnknownPage) << button << true;
        QTest::addRow("purchase, %s", button) << int(SecondPage) << button << true;
    }
}

void TestWizard::backAndCancel()
{
    QFETCH(int, index);
    QFETCH(QString, button);
    QFETCH(bool, handedAnAddress);

    Wizard wizard;
    const auto address = handedAnAddress ? makeAddress("entered") : nullptr;
    wizard.secondPage()->setAddress(address);
    wizard.handAddresses(index, address, address);
    // Both lead to the contact page, from wherever the page was entered.
    buttonWithText(wizard.stack.currentWidget(), button)->click();
    QCOMPARE(wizard.stack.currentIndex(), int(FirstPage));
}

void TestWizard::confirmationHandsOverAndIsKept_data()
{
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("handed");

    QTest::newRow("corrected: replace") << int(CorrectPage) << Replace << "corrected";
    QTest::newRow("corrected: keep") << int(CorrectPage) << Keep << "entered";
    QTest::newRow("corrected: re-enter") << int(CorrectPage) << Reenter << "";
    QTest::newRow("unknown: keep") << int(UnknownPage) << Keep << "entered";
    QTest::newRow("unknown: re-enter") << int(UnknownPage) << Reenter << "";
}

void TestWizard::confirmationHandsOverAndIsKept()
{
    QFETCH(int, pageIndex);
    QFETCH(QString, choice);
    QFETCH(QString, handed);

    Wizard wizard;
    QWidget *page = wizard.stack.widget(pageIndex);
    QAbstractButton *nextButton = buttonWithText(page, "Next");
    QAbstractButton *choiceButton = buttonWithText(page, choice);
    const auto earlier = makeAddress("earlier");
    wizard.secondPage()->setAddress(earlier);

    // The second time round the page shows the new addresses, and the choice
    // made the first time acts on them at once.
    QStringList shown;
    for (const QString round : {"first", "second"}) {
        const auto entered = makeAddress(round + " entered");
        const auto corrected = makeAddress(round + " corrected");
        wizard.handAddresses(pageIndex, entered, corrected);
        shown.clear();
        for (const auto &address : {entered, corrected})
            shown << address->streetAddress1 << address->streetAddress2 << address->city
                  << address->regionName << address->postcode << address->countryName;
        shown = shown.mid(0, pageIndex == CorrectPage ? 12 : 6);
        QCOMPARE(fieldTexts(page), shown);

        if (round == "first") {
            QVERIFY(!nextButton->isEnabled());
            choiceButton->click();
        }
        QVERIFY(choiceButton->isChecked());
        nextButton->click();
        // The very record, so its codes travel with it.
        const QHash<QString, QSharedPointer<AddressRecord>> records {
            {"", earlier}, {"entered", entered}, {"corrected", corrected}};
        QCOMPARE(wizard.stack.currentIndex(), handed.isEmpty() ? FirstPage : SecondPage);
        QCOMPARE(wizard.secondPage()->address().data(), records.value(handed).data());
    }

    // Nothing handed over leaves the page as it was.
    wizard.handAddresses(pageIndex, nullptr, nullptr);
    QCOMPARE(fieldTexts(page), shown);
}

void TestWizard::shortReplyHandsNothingUnset()
{
    // A corrected address too short to read: the contact page shows this
    // page without handing it any address.
    Wizard wizard;
    CorrectRegPage *page = wizard.correctPage();
    wizard.stack.setCurrentWidget(page);
    QCOMPARE(fieldTexts(page), QStringList(12, QString()));
    QAbstractButton *nextButton = buttonWithText(page, "Next");
    QTest::mouseClick(buttonWithText(page, Replace), Qt::LeftButton);
    QTest::mouseClick(buttonWithText(page, Keep), Qt::LeftButton);
    QVERIFY(!nextButton->isEnabled());

    // Even a choice selected behind the user's back hands nothing over.
    buttonWithText(page, Reenter)->click();
    buttonWithText(page, Replace)->setChecked(true);
    nextButton->click();
    QCOMPARE(wizard.stack.currentWidget(), page);
    QVERIFY(wizard.secondPage()->address().isNull());
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
