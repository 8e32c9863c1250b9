#include "commandline.h"
#include "hostchannel.h"
#include "mainwindow.h"

#include "platform/platform.h"
#include "translations/translations.h"

#include <QApplication>
#include <QScreen>

namespace {

// Shows the window until the user ends the program, and returns the exit
// status. The window and the toolkit are gone when it returns.
int runWindow(int argc, char *argv[])
{
    // The application comes first, so that the toolkit's own options are
    // gone before the arguments are counted.
    QApplication application(argc, argv);
    // The desktop finds the window's menu entry, and with it the name and the
    // icon to show, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KVB_APP_ID));
    Translations::install();

    const HostChannel::Handles handles = HostChannel::fromArguments(argc, argv);
    if (!handles.isValid())
        Platform::exitImmediately(2);
    HostChannel::keep(handles);

    MainWindow window(argc > 0 ? argv[0] : "");
    window.setMaximumSize(600, 400);
    // At the size the pages ask for, within that and the screen, rather than
    // the toolkit's two thirds of the screen.
    window.resize(window.sizeHint()
                      .boundedTo(window.maximumSize())
                      .boundedTo(window.screen()->availableSize()));
    window.show();
    const int status = application.exec();
    // The window closed while the engine still worked on a request: nothing
    // can stop it, and nothing waits for its answer.
    if (window.isEngineBusy())
        Platform::exitImmediately(status);
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before the toolkit starts, so that they need no display.
    const CommandLine::Request request = CommandLine::parse(argc, argv);
    if (request.action != CommandLine::Action::Start)
        return CommandLine::answer(request, argc, argv);
    Platform::exitProcess(runWindow(argc, argv));
}
