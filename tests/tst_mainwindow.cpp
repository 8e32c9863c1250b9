#include "app/mainwindow.h"
#include "regdata/datafolder.h"
#include "wizard/managewidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void dataFolder_data();
    void dataFolder();
    void windowHasTitleAndRegistrationTab();
    void wizardOpensOnTheFirstPage_data();
    void wizardOpensOnTheFirstPage();
};

void TestMainWindow::dataFolder_data()
{
    QTest::addColumn<QByteArray>("x86");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("folder");

    const QString fallback = QCoreApplication::applicationDirPath() + "/../share";
    QTest::newRow("both values: x86 wins") << QByteArray("/x86") << QByteArray("/plain")
                                           << QString("/x86/Tarn/CustomData/");
    QTest::newRow("only the plain value") << QByteArray() << QByteArray("/plain")
                                          << QString("/plain/Tarn/CustomData/");
    QTest::newRow("x86 present but empty") << QByteArray("") << QByteArray("/plain")
                                           << QString("/plain/Tarn/CustomData/");
    QTest::newRow("joined as they stand") << QByteArray("/opt/Common Files/") << QByteArray()
                                          << QString("/opt/Common Files//Tarn/CustomData/");
    QTest::newRow("letters beyond Latin-1") << QByteArray("/d/Ω") << QByteArray()
                                            << QString("/d/Ω/Tarn/CustomData/");
    QTest::newRow("neither: beside the program") << QByteArray() << QByteArray()
                                                 << fallback + "/Tarn/CustomData/";
}

void TestMainWindow::dataFolder()
{
    QFETCH(QByteArray, x86);
    QFETCH(QByteArray, plain);
    QFETCH(QString, folder);

    auto setOrUnset = [](const char *name, const QByteArray &value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    setOrUnset("KVB_COMMON_FILES_DIR_X86", x86);
    setOrUnset("KVB_COMMON_FILES_DIR", plain);

    MainWindow window("tst_mainwindow");
    QCOMPARE(DataFolder::path(), folder);
    QCOMPARE(DataFolder::filePath("RegData/RegInfo.xml"), folder + "RegData/RegInfo.xml");
}

void TestMainWindow::windowHasTitleAndRegistrationTab()
{
    MainWindow window("tst_mainwindow");
    QCOMPARE(window.windowTitle(), QString("KVB"));
    const auto tabs = window.findChildren<QTabWidget *>();
    QCOMPARE(tabs.size(), 1);
    QCOMPARE(tabs.first()->count(), 1);
    QCOMPARE(tabs.first()->tabText(0), QString("Registration"));
    QCOMPARE(tabs.first()->widget(0), ManageWidget::instance()->registrationStack());
}

void TestMainWindow::wizardOpensOnTheFirstPage_data()
{
    QTest::addColumn<bool>("saved");

    QTest::newRow("first start") << false;
    QTest::newRow("with a saved record") << true;
}

void TestMainWindow::wizardOpensOnTheFirstPage()
{
    QFETCH(bool, saved);

    QTemporaryDir common;
    QVERIFY(common.isValid());
    qunsetenv("KVB_COMMON_FILES_DIR_X86");
    qputenv("KVB_COMMON_FILES_DIR", QFile::encodeName(common.path()));
    if (saved) {
        QVERIFY(QDir().mkpath(common.filePath("Tarn/CustomData/RegData")));
        QVERIFY(QFile::copy(KVB_TEST_DATA_DIR "/reginfo.xml",
                            common.filePath("Tarn/CustomData/RegData/RegInfo.xml")));
    }

    MainWindow window("tst_mainwindow");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStackedWidget *stack = ManageWidget::instance()->registrationStack();
    QVERIFY(stack);
    QStringList pages;
    for (int index = 0; index < stack->count(); ++index)
        pages << stack->widget(index)->objectName();
    QCOMPARE(pages,
             QStringList({"FirstRegPage", "CorrectRegPage", "UnknownRegPage", "SecondRegPage"}));
    QCOMPARE(stack->currentWidget()->objectName(), QString("FirstRegPage"));
    QVERIFY(stack->currentWidget()->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
