#include "wizard/wrappedlabel.h"
#include "wizard/wrappingcheckbox.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString ShortText = QStringLiteral("Yes, please.");
const QString LongText = QStringLiteral(
    "Yes, I would like to receive periodic information about special offers and new products "
    "from the maker and from the maker's partners, by mail and by email.");

// Few enough widths for the widgets to remember them all, so that a second
// round of questions is answered from what they remembered.
QList<int> widths()
{
    return {60, 150, 240, 330, 450, 600};
}

QList<int> heights(const QWidget &widget)
{
    QList<int> heights;
    for (const int width : widths())
        heights << widget.heightForWidth(width);
    return heights;
}

// A plain word-wrapped label measures its text afresh at every question.
std::unique_ptr<QWidget> plainLabel(const QString &text, const QFont &font)
{
    auto label = std::make_unique<QLabel>(text);
    label->setWordWrap(true);
    label->setFont(font);
    return label;
}

std::unique_ptr<QWidget> checkBox(const QString &text, const QFont &font)
{
    auto box = std::make_unique<WrappingCheckBox>(text);
    box->setFont(font);
    return box;
}

void setText(QWidget &widget, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(&widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        button->setText(text);
}

using Factory = std::function<std::unique_ptr<QWidget>(const QString &, const QFont &)>;

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestWrappedText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void heightFollowsTextAndFont_data();
    void heightFollowsTextAndFont();
};

void TestWrappedText::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestWrappedText::heightFollowsTextAndFont_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<Factory>("makeReference");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<int>("newPointSize");

    const Factory label = [](const QString &text, const QFont &font) {
        auto label = std::make_unique<WrappedLabel>(text);
        label->setFont(font);
        return std::unique_ptr<QWidget>(std::move(label));
    };
    const int size = QApplication::font().pointSize();
    QTest::newRow("label, longer text") << label << Factory(plainLabel) << LongText << size;
    QTest::newRow("label, larger font") << label << Factory(plainLabel) << ShortText << size * 2;
    QTest::newRow("check box, longer text")
        << Factory(checkBox) << Factory(checkBox) << LongText << size;
    QTest::newRow("check box, larger font")
        << Factory(checkBox) << Factory(checkBox) << ShortText << size * 2;
}

// A widget that remembers its heights must answer as one that measures
// afresh, before and after its text or font changes.
void TestWrappedText::heightFollowsTextAndFont()
{
    QFETCH(Factory, make);
    QFETCH(Factory, makeReference);
    QFETCH(QString, newText);
    QFETCH(int, newPointSize);

    const QFont font = QApplication::font();
    const std::unique_ptr<QWidget> widget = make(ShortText, font);
    QCOMPARE(heights(*widget), heights(*makeReference(ShortText, font)));
    QCOMPARE(heights(*widget), heights(*widget));

    QFont newFont = font;
    newFont.setPointSize(newPointSize);
    setText(*widget, newText);
    widget->setFont(newFont);
    const QList<int> expected = heights(*makeReference(newText, newFont));
    QCOMPARE(heights(*widget), expected);
    QVERIFY(expected.first() > heights(*makeReference(ShortText, font)).first());
}

QTEST_MAIN(TestWrappedText)
#include "tst_wrappedtext.moc"
