#include "app/mainwindow.h"
#include "regdata/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void dataFolder_data();
    void dataFolder();
    void windowHasTitleAndRegistrationTab();
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
    QCOMPARE(tabs.first()->widget(0), window.registrationStack());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
