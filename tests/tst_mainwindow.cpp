#include "app/mainwindow.h"
#include "regdata/datafolder.h"

#include <QCoreApplication>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void dataFolder_data();
    void dataFolder();
};

void TestMainWindow::dataFolder_data()
{
    QTest::addColumn<QByteArray>("x86");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("folder");

    const QString fallback = QCoreApplication::applicationDirPath() + "/../share";
    QTest::newRow("both values: x86 wins")
        << QByteArray("/x86") << QByteArray("/plain") << "/x86/Tarn/CustomData/";
    QTest::newRow("only the plain value")
        << QByteArray() << QByteArray("/plain") << "/plain/Tarn/CustomData/";
    QTest::newRow("x86 present but empty")
        << QByteArray("") << QByteArray("/plain") << "/plain/Tarn/CustomData/";
    QTest::newRow("joined as they stand") << QByteArray("/opt/Common Files/") << QByteArray()
                                          << "/opt/Common Files//Tarn/CustomData/";
    QTest::newRow("letters beyond Latin-1")
        << QByteArray("/d/Ω") << QByteArray() << "/d/Ω/Tarn/CustomData/";
    QTest::newRow("neither: beside the program")
        << QByteArray() << QByteArray() << fallback + "/Tarn/CustomData/";
}

void TestMainWindow::dataFolder()
{
    QFETCH(QByteArray, x86);
    QFETCH(QByteArray, plain);
    QFETCH(QString, folder);

    for (const auto &[name, value] :
        {std::pair("KVB_COMMON_FILES_DIR_X86", x86), {"KVB_COMMON_FILES_DIR", plain}}) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    MainWindow window("tst_mainwindow");
    QCOMPARE(DataFolder::filePath("RegData/RegInfo.xml"), folder + "RegData/RegInfo.xml");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
