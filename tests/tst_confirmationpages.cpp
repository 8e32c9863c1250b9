#include "regdata/datafolder.h"
#include "wizard/correctregpage.h"
#include "wizard/managewidget.h"
#include "wizard/registrationtab.h"
#include "wizard/secondregpage.h"
#include "wizard/unknownregpage.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Where the main window puts the two pages in the stack.
constexpr int CorrectPage = 1;
constexpr int UnknownPage = 2;

// Every text, codes included, carries the tag, so that each field can be
// traced back to the record it came from.
QSharedPointer<AddressRecord> makeAddress(const QString &tag)
{
    return QSharedPointer<AddressRecord>(new AddressRecord {tag + " Street", tag + " Floor",
        tag + " City", tag + " Region", "RC-" + tag, tag + " 123", tag + " Country", "CC-" + tag});
}

QStringList shownTexts(const AddressRecord &address)
{
    return {address.streetAddress1, address.streetAddress2, address.city, address.regionName,
        address.postcode, address.countryName};
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
        for (QWidget *page :
            {tab.firstRegPage(), tab.correctRegPage(), tab.unknownRegPage(), tab.secondRegPage()})
            stack.addWidget(page);
        ManageWidget::instance()->setRegistrationStack(&stack);
        stack.show();
    }

    // What the contact page does after the address check.
    void handAddresses(int pageIndex, QSharedPointer<AddressRecord> original,
        QSharedPointer<AddressRecord> corrected)
    {
        if (pageIndex == CorrectPage) {
            correctPage()->setOriginal(original);
            correctPage()->setCorrected(corrected);
        } else {
            qobject_cast<UnknownRegPage *>(tab.unknownRegPage())->setOriginal(original);
        }
        stack.setCurrentIndex(pageIndex);
    }

    CorrectRegPage *correctPage() { return qobject_cast<CorrectRegPage *>(tab.correctRegPage()); }
    SecondRegPage *secondPage() { return qobject_cast<SecondRegPage *>(tab.secondRegPage()); }

    RegistrationTab tab;
    QStackedWidget stack;
};

const char *Replace = "Replace my original address with the corrected address.";
const char *Keep = "Keep my original address";
const char *Reenter = "Let me re-enter my address";

} // namespace

class TestConfirmationPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void choiceHandsOverAndIsKept_data();
    void choiceHandsOverAndIsKept();
    void shortReplyHandsNothingUnset();
    void pageFitsAndIsAccessible_data();
    void pageFitsAndIsAccessible();

private:
    QTemporaryDir m_dataFolder;
};

void TestConfirmationPages::initTestCase()
{
    QVERIFY(m_dataFolder.isValid());
    DataFolder::setPath(m_dataFolder.filePath("Tarn/CustomData/"));
}

void TestConfirmationPages::cleanup()
{
    auto windows = QApplication::topLevelWidgets();
    windows.removeOne(ManageWidget::instance());
    QVERIFY(windows.isEmpty());
}

void TestConfirmationPages::choiceHandsOverAndIsKept_data()
{
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("handed");

    QTest::newRow("corrected: replace") << CorrectPage << Replace << "corrected";
    QTest::newRow("corrected: keep") << CorrectPage << Keep << "entered";
    QTest::newRow("corrected: re-enter") << CorrectPage << Reenter << "";
    QTest::newRow("unknown: keep") << UnknownPage << Keep << "entered";
    QTest::newRow("unknown: re-enter") << UnknownPage << Reenter << "";
}

void TestConfirmationPages::choiceHandsOverAndIsKept()
{
    QFETCH(int, pageIndex);
    QFETCH(QString, choice);
    QFETCH(QString, handed);

    Wizard wizard;
    QWidget *page = wizard.stack.widget(pageIndex);
    QAbstractButton *nextButton = button(page, "Next");
    QAbstractButton *choiceButton = button(page, choice);
    const auto earlier = makeAddress("earlier");
    wizard.secondPage()->setAddress(earlier);

    // The second time round the page shows the new addresses, and the choice
    // made the first time acts on them at once.
    QStringList shown;
    for (const QString round : {"first", "second"}) {
        const auto entered = makeAddress(round + " entered");
        const auto corrected = makeAddress(round + " corrected");
        wizard.handAddresses(pageIndex, entered, corrected);
        shown = shownTexts(*entered);
        if (pageIndex == CorrectPage)
            shown += shownTexts(*corrected);
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
        QCOMPARE(wizard.stack.currentIndex(), handed.isEmpty() ? 0 : 3);
        QCOMPARE(wizard.secondPage()->address().data(), records.value(handed).data());
    }

    wizard.handAddresses(pageIndex, nullptr, nullptr);
    QCOMPARE(fieldTexts(page), shown);
}

void TestConfirmationPages::shortReplyHandsNothingUnset()
{
    // A corrected address too short to read: the contact page shows this
    // page without handing it any address.
    Wizard wizard;
    CorrectRegPage *page = wizard.correctPage();
    wizard.stack.setCurrentWidget(page);
    QCOMPARE(fieldTexts(page), QStringList(12, QString()));

    QAbstractButton *nextButton = button(page, "Next");
    QTest::mouseClick(button(page, Replace), Qt::LeftButton);
    QTest::mouseClick(button(page, Keep), Qt::LeftButton);
    QVERIFY(!nextButton->isEnabled());

    // Even a choice selected behind the user's back hands nothing over.
    button(page, Reenter)->click();
    button(page, Replace)->setChecked(true);
    nextButton->click();
    QCOMPARE(wizard.stack.currentWidget(), page);
    QVERIFY(wizard.secondPage()->address().isNull());

    button(page, Reenter)->click();
    nextButton->click();
    QCOMPARE(wizard.stack.currentIndex(), 0);
}

void TestConfirmationPages::pageFitsAndIsAccessible_data()
{
    QTest::addColumn<int>("pageIndex");

    QTest::newRow("corrected") << CorrectPage;
    QTest::newRow("unknown") << UnknownPage;
}

void TestConfirmationPages::pageFitsAndIsAccessible()
{
    QFETCH(int, pageIndex);

    // The main window's frame around the page, at its largest.
    QMainWindow window;
    auto *tabs = new QTabWidget;
    auto *central = new QWidget;
    (new QVBoxLayout(central))->addWidget(tabs);
    window.setCentralWidget(central);
    window.setMaximumSize(600, 400);
    const auto address = makeAddress(QString(80, 'W'));
    QWidget *page;
    if (pageIndex == CorrectPage) {
        auto *correctPage = new CorrectRegPage;
        correctPage->setOriginal(address);
        correctPage->setCorrected(address);
        page = correctPage;
    } else {
        auto *unknownPage = new UnknownRegPage;
        unknownPage->setOriginal(address);
        page = unknownPage;
    }
    tabs->addTab(page, "Registration");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button(page, Reenter)->click();

    QVERIFY(window.minimumSizeHint().width() <= 600 && window.minimumSizeHint().height() <= 400);
    QStringList names;
    QList<QWidget *> controls;
    for (QWidget *part : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY(page->rect().contains(part->geometry()));
        for (QWidget *other : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY(part == other || !part->geometry().intersects(other->geometry()));
        if (!qobject_cast<QLineEdit *>(part) && !qobject_cast<QAbstractButton *>(part))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(names.join(", ")));
        names << name;
        if (part->isEnabled() && (part->focusPolicy() & Qt::TabFocus))
            controls << part;
    }

    // Tab visits the page's controls from top to bottom, left to right.
    std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QList<QWidget *> chain;
    for (QWidget *next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain())
        if (controls.contains(next))
            chain << next;
    QCOMPARE(chain, controls);
}

QTEST_MAIN(TestConfirmationPages)
#include "tst_confirmationpages.moc"
