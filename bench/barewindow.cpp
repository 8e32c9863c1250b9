// The least a Qt program must do to show what KVB shows at start-up: a main
// window of the same size with one tab. The start-up benchmark times KVB
// against it.
//
//   kvb_barewindow [catalogue]
//
// Given a country catalogue, it first parses it, as KVB must when it opens
// on a saved registration.

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        QDomDocument document;
        document.setContent(file.readAll());
    }

    QMainWindow window;
    auto *tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("Registration"));
    window.setCentralWidget(tabs);
    window.setWindowTitle(QStringLiteral("KVB"));
    window.setMaximumSize(600, 400);
    window.resize(600, 400);
    window.show();
    return application.exec();
}
