#include "hostchannel.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The application comes first, so that the toolkit's own options are
    // gone before the arguments are counted.
    QApplication application(argc, argv);

    const HostChannel::Handles handles = HostChannel::fromArguments(argc, argv);
    if (!handles.isValid())
        Platform::exitImmediately(2);
    HostChannel::keep(handles);

    MainWindow window(argc > 0 ? argv[0] : "");
    window.setMaximumSize(600, 400);
    window.show();
    return application.exec();
}
