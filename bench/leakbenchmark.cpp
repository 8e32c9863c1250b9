#include "leakbenchmark.h"

#include "benchmarkdata.h"
#include "benchmarktable.h"

#include "app/mainwindow.h"
#include "dialogs/countrydialog.h"
#include "engine/engineclient.h"
#include "wizard/managewidget.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <malloc.h>

#include <algorithm>

namespace {

constexpr int FirstRounds = 10;

const QString Country = QStringLiteral("United States");
const QString Region = QStringLiteral("New York");

double heapInUseMebibytes()
{
    // Objects deleted later count only once they are gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

// Picks the country in the open dialog as a user would: makes its item
// current and presses Select.
void pickCountry(QWidget *firstPage)
{
    auto *dialog = firstPage->findChild<CountryDialog *>();
    auto *list = dialog ? dialog->findChild<QListWidget *>() : nullptr;
    const QList<QListWidgetItem *> items
        = list ? list->findItems(Country, Qt::MatchExactly) : QList<QListWidgetItem *>();
    if (!items.isEmpty())
        list->setCurrentItem(items.first());
    if (dialog)
        dialog->OnSelectClick();
}

} // namespace

LeakBenchmark::LeakBenchmark(const BenchmarkData &data, const QByteArray &program)
    : m_data(data)
    , m_program(program)
{ }

bool LeakBenchmark::run(BenchmarkTable &table, int rounds)
{
    rounds = std::max(rounds, FirstRounds + 1);
    qunsetenv("KVB_COMMON_FILES_DIR_X86");
    qputenv("KVB_COMMON_FILES_DIR", m_data.commonFilesFolder().toLocal8Bit());
    qputenv("QUILL_OUTBOX", "/dev/null");
    // The program looks for the engine beside its own file, which is not this one.
    EngineClient::instance().loadEngineLibrary(KVB_BIN_DIR "/libQuill.so");
    MainWindow window(m_program.constData());
    window.show();
    QCoreApplication::processEvents();
    QStackedWidget *stack = ManageWidget::instance()->registrationStack();
    QWidget *firstPage = ManageWidget::findPage(stack, ManageWidget::FirstPage);

    double afterFirstRounds = 0;
    for (int round = 1; round <= rounds; ++round) {
        if (!playRound(stack, firstPage))
            return false;
        if (round == FirstRounds)
            afterFirstRounds = heapInUseMebibytes();
    }
    table.addMemory(
        QStringLiteral("heap after %1 rounds of dialog, country, region, Next").arg(rounds),
        {heapInUseMebibytes(), afterFirstRounds}, 2, true);
    return true;
}

bool LeakBenchmark::playRound(QStackedWidget *stack, QWidget *firstPage)
{
    auto *countryButton = firstPage->findChild<QPushButton *>(QStringLiteral("CountryButton"));
    auto *regionButton = firstPage->findChild<QPushButton *>(QStringLiteral("RegionButton"));
    auto *nextButton = firstPage->findChild<QPushButton *>(QStringLiteral("Next"));
    if (!countryButton || !regionButton || !nextButton) {
        m_error = QStringLiteral("the contact page lacks its buttons");
        return false;
    }

    // The dialog runs modally, so the country is picked once it is open.
    QTimer::singleShot(0, firstPage, [firstPage] { pickCountry(firstPage); });
    countryButton->click();
    if (countryButton->text() != Country) {
        m_error = QStringLiteral("the country dialog did not offer ") + Country;
        return false;
    }

    // The menu takes its regions when it opens.
    QMenu *regions = regionButton->menu();
    emit regions->aboutToShow();
    QAction *regionItem = nullptr;
    for (QAction *item : regions->actions()) {
        if (item->data().toString() == Region)
            regionItem = item;
    }
    if (!regionItem) {
        m_error = QStringLiteral("the region menu did not offer ") + Region;
        return false;
    }
    regionItem->trigger();

    nextButton->click();
    if (stack->currentWidget() == firstPage) {
        m_error = QStringLiteral("Next stayed on the contact page");
        return false;
    }
    stack->setCurrentWidget(firstPage);
    QCoreApplication::processEvents();
    return true;
}
