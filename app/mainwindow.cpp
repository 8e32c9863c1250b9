#include "mainwindow.h"

#include "engine/engineclient.h"
#include "engine/threadedengineclient.h"
#include "platform/platform.h"
#include "regdata/datafolder.h"
#include "wizard/managewidget.h"
#include "wizard/registrationtab.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QResource>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The program's short name, under which it announces itself to the engine.
// It lives as long as the process, as the engine client keeps the pointer.
const char CallerType[] = "KVB";

} // namespace

MainWindow::MainWindow(const char *programArgument)
    : QMainWindow(nullptr)
    , m_programArgument(programArgument)
{
    registerResources();
    // On this window and on its dialogs.
    QApplication::setWindowIcon(applicationIcon());
    EngineClient &engine = EngineClient::instance();
    if (!engine.hasTriedLoading())
        engine.loadEngine(m_programArgument);
    engine.setCallerType(CallerType);
    DataFolder::useSystemFolders();
    m_engineThread = std::make_unique<ThreadedEngineClient>(&engine);

    auto *tabs = new QTabWidget;
    ManageWidget *registry = ManageWidget::instance();
    // The tab first, so that the pages are made in the font they are shown
    // in. The first page added is the current one: the wizard opens on it.
    auto *registrationStack = new QStackedWidget;
    //: The name of the window's one tab, which holds the registration.
    tabs->addTab(registrationStack, tr("Registration"));
    m_registrationTab = std::make_unique<RegistrationTab>(m_engineThread.get(), registrationStack);
    registry->setRegistrationStack(registrationStack);

    // A narrow margin leaves the pages as much of the window, at most 600
    // by 400 pixels, as it can.
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs, 1);
    auto *central = new QWidget;
    central->setLayout(layout);
    setCentralWidget(central);
    if (!engine.isEngineLoaded())
        m_registrationTab->setEngineMissing(
            QString::fromStdString(Platform::engineLibraryPath(m_programArgument)));
    // The window opens ready for typing into the first field.
    m_registrationTab->firstRegPage()->setFocus();

    setWindowTitle(QStringLiteral("KVB"));
}

MainWindow::~MainWindow()
{
    // The widgets go first: once the application icon has been drawn from
    // the resource file, what the toolkit keeps for the file is otherwise
    // unreachable at exit, and the sanitizer builds report it as leaked.
    delete takeCentralWidget();
    if (!m_resourceFile.isEmpty())
        QResource::unregisterResource(m_resourceFile);
}

bool MainWindow::isEngineBusy() const
{
    return m_engineThread->isBusy();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_registrationTab->mayClose(this))
        event->accept();
    else
        event->ignore();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        windowHandle()->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Once the window is drawn, the country catalogue and the names of the
    // countries in the user's language are read, so that neither the window
    // waits for them nor, later, the country list or the region menu. The
    // drawing reaches the window system first: it would otherwise wait in
    // the program's queue for as long as the reading takes.
    if (watched == windowHandle() && event->type() == QEvent::Expose
        && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            QGuiApplication::sync();
            m_registrationTab->readCataloguesAhead();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::registerResources()
{
    for (const std::string &path : Platform::resourceFilePaths("KVB.rcc")) {
        const QString file = QString::fromStdString(path);
        if (QResource::registerResource(file)) {
            m_resourceFile = file;
            return;
        }
    }
}

QIcon MainWindow::applicationIcon()
{
    // The sizes of the icon that the desktop entry names, from KVB.rcc: PNG
    // files need no image plug-in, where the SVG drawing would.
    QIcon icon;
    const QFileInfoList sizes = QDir(QStringLiteral(":/appicon")).entryInfoList(QDir::Files);
    for (const QFileInfo &size : sizes)
        icon.addFile(size.filePath());
    return icon;
}
