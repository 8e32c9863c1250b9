#include "wizard/statuslabel.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QResource>
#include <QTest>

namespace {

QLabel *part(const StatusLabel &status, const char *name)
{
    return status.findChild<QLabel *>(name);
}

// How far the text starts to the right of the icon's right edge.
int gapBeforeText(StatusLabel &status)
{
    status.layout()->activate();
    return part(status, "StatusText")->x() - part(status, "StatusIcon")->geometry().right() - 1;
}

// Records the text that a label showed at each of its paint events.
class PaintRecorder : public QObject
{
public:
    QStringList paintedTexts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paintedTexts << static_cast<QLabel *>(watched)->text();
        return false;
    }
};

} // namespace

class TestStatusLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void kinds_data();
    void kinds();
    void busyMessageIsPaintedAtOnce();
};

void TestStatusLabel::initTestCase()
{
    QVERIFY(QResource::registerResource(KVB_BIN_DIR "/KVB.rcc"));
}

void TestStatusLabel::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestStatusLabel::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("icon");

    QTest::newRow("0: plain") << 0 << QString();
    QTest::newRow("1: information") << 1 << ":/information.png";
    QTest::newRow("2: success") << 2 << ":/check.png";
    QTest::newRow("3: warning") << 3 << ":/warning.png";
    QTest::newRow("4: error") << 4 << ":/error.png";
    QTest::newRow("5: busy") << 5 << ":/clock.png";
    QTest::newRow("6: unknown") << 6 << QString();
    QTest::newRow("-1: unknown") << -1 << QString();
}

void TestStatusLabel::kinds()
{
    QFETCH(int, kind);
    QFETCH(QString, icon);

    const int emptyHeight = StatusLabel().sizeHint().height();
    StatusLabel constructed("Message", kind);
    // A line that showed an error before must not keep its icon.
    StatusLabel changed("Earlier", StatusLabel::Error);
    changed.setMessage("Message", kind);

    for (StatusLabel *status : {&constructed, &changed}) {
        QCOMPARE(status->text(), QString("Message"));
        const QImage shown = part(*status, "StatusIcon")->pixmap().toImage();
        QCOMPARE(shown, icon.isEmpty() ? QImage() : QPixmap(icon).toImage());
        QCOMPARE(gapBeforeText(*status) > 0, !icon.isEmpty());
        QCOMPARE(status->sizeHint().height(), emptyHeight);

        status->clearMessage();
        QCOMPARE(status->text(), QString());
        QVERIFY(part(*status, "StatusIcon")->pixmap().isNull());
        QCOMPARE(gapBeforeText(*status), 0);
        QCOMPARE(status->sizeHint().height(), emptyHeight);
    }
}

void TestStatusLabel::busyMessageIsPaintedAtOnce()
{
    StatusLabel status;
    status.show();
    QVERIFY(QTest::qWaitForWindowExposed(&status));
    PaintRecorder recorder;
    part(status, "StatusText")->installEventFilter(&recorder);

    // No event loop runs between these calls and the checks.
    status.setMessage("Sending", StatusLabel::Busy);
    QVERIFY(recorder.paintedTexts.contains("Sending"));
    status.setMessage("Sent", StatusLabel::Success);
    QVERIFY(!recorder.paintedTexts.contains("Sent"));
}

QTEST_MAIN(TestStatusLabel)
#include "tst_statuslabel.moc"
