#include "hostilebenchmark.h"

#include "hostiledata.h"
#include "programlauncher.h"

#include "app/mainwindow.h"
#include "wizard/managewidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>

#include <functional>
#include <memory>
#include <utility>

namespace {

// Acts on each modal dialog, message box or pop-up menu shown while it
// lives, once the event loop that waits for it runs and the events of its
// showing are handled: when the user sees it.
class ModalResponder
{
public:
    explicit ModalResponder(std::function<void(QWidget *)> respond)
        : m_respond(std::move(respond))
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { poll(); });
        m_timer.start(0);
    }

private:
    void poll()
    {
        QPointer<QWidget> shown = QApplication::activePopupWidget();
        if (!shown)
            shown = QApplication::activeModalWidget();
        if (m_responding || !shown || !shown->isVisible())
            return;
        m_responding = true;
        QCoreApplication::processEvents();
        if (shown)
            m_respond(shown);
        m_responding = false;
    }

    std::function<void(QWidget *)> m_respond;
    QTimer m_timer;
    bool m_responding = false;
};

// How long open, which shows a modal dialog or a menu and waits for it,
// takes until it is shown; it is closed then. -1 when nothing is shown.
double timeToShow(const std::function<void()> &open)
{
    QElapsedTimer timer;
    double milliseconds = -1;
    const ModalResponder responder([&timer, &milliseconds](QWidget *shown) {
        if (milliseconds < 0)
            milliseconds = double(timer.nsecsElapsed()) / 1e6;
        shown->close();
    });
    timer.start();
    open();
    return milliseconds;
}

// The tool tip of button, as the pointer resting on it asks for it, until
// it is drawn; -1 when the button has one and none is shown. (A saved
// record that was refused leaves an empty caption, and no tool tip.)
double timeToToolTip(QWidget *button)
{
    // What is left of closing the dialogs (the window active again) would
    // hide the tip at once.
    QCoreApplication::processEvents();
    const QPoint centre = button->rect().center();
    QHelpEvent request(QEvent::ToolTip, centre, button->mapToGlobal(centre));
    bool shown = false;
    const double milliseconds = BenchmarkTable::milliseconds([button, &request, &shown] {
        QApplication::sendEvent(button, &request);
        shown = QToolTip::isVisible();
        QCoreApplication::processEvents();
    });
    QToolTip::hideText();
    return shown || button->toolTip().isEmpty() ? milliseconds : -1;
}

// Closing the window, which may read the record again and ask whether to
// keep the details; they are thrown away. -1 when the window stays open.
double timeToClose(QWidget &window)
{
    const ModalResponder responder([](QWidget *shown) {
        auto *question = qobject_cast<QMessageBox *>(shown);
        QAbstractButton *discard = question ? question->button(QMessageBox::Discard) : nullptr;
        if (discard)
            discard->click();
        else
            shown->close();
    });
    bool closed = false;
    const double milliseconds
        = BenchmarkTable::milliseconds([&window, &closed] { closed = window.close(); });
    return closed ? milliseconds : -1;
}

QPushButton *buttonOf(const QStackedWidget *stack, const QString &page, const QString &name)
{
    QWidget *found = ManageWidget::findPage(stack, page);
    return found ? found->findChild<QPushButton *>(name) : nullptr;
}

} // namespace

HostileBenchmark::HostileBenchmark(
    const HostileData &data, ProgramLauncher &launcher, const QByteArray &program)
    : m_data(data)
    , m_launcher(launcher)
    , m_program(program)
{ }

bool HostileBenchmark::run(BenchmarkTable &table, int repetitions)
{
    if (!m_launcher.isReady())
        return fail(m_launcher.errorString());
    qunsetenv("KVB_COMMON_FILES_DIR_X86");
    for (const HostileData::Folder &folder : m_data.folders()) {
        const std::optional<BenchmarkTable::HostileFigures> figures
            = measure(folder.commonFilesFolder, repetitions);
        if (!figures)
            return fail(folder.description + QStringLiteral(": ") + m_error);
        table.addHostileFile(folder.description, *figures);
    }
    return true;
}

std::optional<BenchmarkTable::HostileFigures> HostileBenchmark::measure(
    const QString &commonFilesFolder, int repetitions)
{
    QList<double> window, memory, countries, regions, resellers, toolTip, close;
    for (int round = 0; round < repetitions; ++round) {
        const std::optional<ProgramLauncher::Launch> launched
            = m_launcher.launch({QString::fromLocal8Bit(m_program)}, commonFilesFolder);
        if (!launched) {
            fail(m_launcher.errorString());
            return std::nullopt;
        }
        const std::optional<Controls> controls = useWindow(commonFilesFolder);
        if (!controls)
            return std::nullopt;
        window.append(launched->milliseconds);
        memory.append(launched->peakMebibytes);
        countries.append(controls->countryDialogMs);
        regions.append(controls->regionMenuMs);
        resellers.append(controls->resellerDialogMs);
        toolTip.append(controls->toolTipMs);
        close.append(controls->closeMs);
    }
    const auto median = &BenchmarkTable::median;
    return BenchmarkTable::HostileFigures {median(window), median(memory), median(countries),
        median(regions), median(resellers), median(toolTip), median(close)};
}

std::optional<HostileBenchmark::Controls> HostileBenchmark::useWindow(
    const QString &commonFilesFolder)
{
    qputenv("KVB_COMMON_FILES_DIR", commonFilesFolder.toLocal8Bit());
    auto window = std::make_unique<MainWindow>(m_program.constData());
    window->show();
    QCoreApplication::processEvents();
    const QStackedWidget *stack = ManageWidget::instance()->registrationStack();
    QPushButton *country
        = buttonOf(stack, ManageWidget::FirstPage, QStringLiteral("CountryButton"));
    QPushButton *region = buttonOf(stack, ManageWidget::FirstPage, QStringLiteral("RegionButton"));
    QPushButton *reseller = buttonOf(stack, ManageWidget::SecondPage, QStringLiteral("Reseller"));
    if (!country || !region || !reseller) {
        fail(QStringLiteral("the pages lack their buttons"));
        return std::nullopt;
    }

    // Each control, and closing, is the first use of the files since they
    // changed, so that nothing read before serves it.
    Controls controls {};
    HostileData::changeFiles(commonFilesFolder);
    controls.countryDialogMs = timeToShow([country] { country->click(); });
    HostileData::changeFiles(commonFilesFolder);
    controls.regionMenuMs = timeToShow([region] { region->showMenu(); });
    HostileData::changeFiles(commonFilesFolder);
    controls.resellerDialogMs = timeToShow([reseller] { reseller->click(); });
    controls.toolTipMs = timeToToolTip(country);
    HostileData::changeFiles(commonFilesFolder);
    controls.closeMs = timeToClose(*window);
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QList<std::pair<double, const char *>> opened {
        {controls.countryDialogMs, "the country dialog"},
        {controls.regionMenuMs, "the region menu"},
        {controls.resellerDialogMs, "the reseller dialog"},
        {controls.toolTipMs, "the country's tool tip"}, {controls.closeMs, "closing the window"}};
    for (const auto &[milliseconds, what] : opened) {
        if (milliseconds < 0) {
            fail(QLatin1String(what) + QStringLiteral(" could not be measured"));
            return std::nullopt;
        }
    }
    return controls;
}

bool HostileBenchmark::fail(const QString &message)
{
    m_error = message;
    return false;
}
