#include "regdata/datafolder.h"
#include "wizard/correctregpage.h"
#include "wizard/managewidget.h"
#include "wizard/registrationtab.h"
#include "wizard/secondregpage.h"
#include "wizard/statuslabel.h"
#include "wizard/unknownregpage.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void findPage_data();
    void findPage();
    void pages_data();
    void pages();

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

void TestWizard::findPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");

    QTest::newRow("first page") << "FirstRegPage" << 0;
    QTest::newRow("last page") << "SecondRegPage" << 3;
    QTest::newRow("the first of two with one name") << "UnknownRegPage" << 2;
    QTest::newRow("lower case") << "firstregpage" << -1;
    QTest::newRow("upper case") << "SECONDREGPAGE" << -1;
    QTest::newRow("trailing blank") << "FirstRegPage " << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestWizard::findPage()
{
    QFETCH(QString, name);
    QFETCH(int, index);

    QStackedWidget stack;
    for (const char *pageName :
        {"FirstRegPage", "CorrectRegPage", "UnknownRegPage", "SecondRegPage", "UnknownRegPage"}) {
        auto *page = new QWidget;
        page->setObjectName(pageName);
        stack.addWidget(page);
    }
    QCOMPARE(ManageWidget::findPage(&stack, name), index < 0 ? nullptr : stack.widget(index));
    QCOMPARE(ManageWidget::findPage(nullptr, name), nullptr);

    stack.setCurrentIndex(1);
    ManageWidget::showPage(&stack, name);
    QCOMPARE(stack.currentIndex(), index < 0 ? 1 : index);
}

void TestWizard::pages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("handedAnAddress");

    const char *step2 = "Registration Step 2 of 3";
    const char *step3 = "Registration Step 3 of 3";
    QTest::newRow("contact page") << 0 << "FirstRegPage"
                                  << "Registration Step 1 of 3" << QString() << false;
    for (const char *button : {"Back", "Cancel"}) {
        QTest::addRow("corrected address, %s", button)
            << 1 << "CorrectRegPage" << step2 << button << true;
        // A reply too short to read leads to this page without any address.
        QTest::addRow("corrected address never handed, %s", button)
            << 1 << "CorrectRegPage" << step2 << button << false;
        QTest::addRow("unknown address, %s", button)
            << 2 << "UnknownRegPage" << step2 << button << true;
        QTest::addRow("purchase, %s", button) << 3 << "SecondRegPage" << step3 << button << true;
    }
}

void TestWizard::pages()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, button);
    QFETCH(bool, handedAnAddress);

    RegistrationTab tab;
    QStackedWidget stack;
    for (QWidget *page :
        {tab.firstRegPage(), tab.correctRegPage(), tab.unknownRegPage(), tab.secondRegPage()})
        stack.addWidget(page);
    ManageWidget::instance()->setRegistrationStack(&stack);

    QWidget *page = stack.widget(index);
    QCOMPARE(page->objectName(), name);
    QCOMPARE(page->windowTitle(), title);
    const auto statusLines = page->findChildren<StatusLabel *>();
    QCOMPARE(statusLines.size(), 1);
    QCOMPARE(statusLines.first()->text(), QString());
    QCOMPARE(statusLines.first()->kind(), int(StatusLabel::Plain));

    QStringList buttons;
    for (const QPushButton *pushButton : page->findChildren<QPushButton *>())
        buttons << pushButton->text();
    if (button.isEmpty()) {
        QVERIFY(!buttons.contains("Back") && !buttons.contains("Cancel"));
        return;
    }

    // Back and Cancel lead to the contact page, from wherever the page was
    // entered.
    if (handedAnAddress) {
        const auto address = QSharedPointer<AddressRecord>::create();
        qobject_cast<CorrectRegPage *>(tab.correctRegPage())->setOriginal(address);
        qobject_cast<UnknownRegPage *>(tab.unknownRegPage())->setOriginal(address);
        qobject_cast<SecondRegPage *>(tab.secondRegPage())->setAddress(address);
    }
    // Shown, as in the window: a page may take the stack when it appears.
    stack.show();
    stack.setCurrentWidget(page);
    QVERIFY(buttons.contains(button));
    page->findChildren<QPushButton *>().at(buttons.indexOf(button))->click();
    QCOMPARE(stack.currentWidget(), tab.firstRegPage());
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
