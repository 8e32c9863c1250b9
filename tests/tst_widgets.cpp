// The small widgets the pages are made of: choice buttons and their menus, the list dialogs and
// wrapped text.
#include "dialogs/countrydialog.h"
#include "regdata/datafolder.h"
#include "regdata/purchasechoices.h"
#include "wizard/choicebutton.h"
#include "wizard/choicemenu.h"
#include "wizard/wrappedlabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QResource>
#include <QScopeGuard>
#include <QTest>
#include <QTextDocument>

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QResource::registerResource(KVB_BIN_DIR "/KVB.rcc")); }

    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void choiceMenus_data()
    {
        QTest::addColumn<QString>("chosen"); // a month; empty: none yet
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("highlighted");

        const auto row
            = [](const char *name, const char *chosen, const char *typed, const char *highlighted) {
                  QTest::newRow(name) << chosen << typed << highlighted;
              };
        row("opens on the current choice", "May", "", "May");
        row("two letters", "May", "ma", "March");
        row("any case", "", "SEP", "September");
        row("a letter that continues nothing starts anew", "", "mj", "January");
        row("nothing starts so", "June", "x", "June");
    }

    // The month menu opens on the current choice, and typing moves to the first item that starts
    // with what was typed.
    void choiceMenus()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, typed);
        QFETCH(QString, highlighted);

        ChoiceButton button("Month");
        if (!chosen.isEmpty())
            button.setChoice(chosen);
        auto *menu = new ChoiceMenu(&button);
        for (const QString &month : PurchaseChoices::months())
            menu->addChoice(month);
        menu->popup(QPoint());
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::keyClicks(menu, typed);
        QCOMPARE(menu->activeAction() ? menu->activeAction()->text() : QString(), highlighted);
        menu->close();
    }

    void listDialogs_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("current"); // the choice the dialog opens on
        QTest::addColumn<QString>("typed"); // into the filter
        QTest::addColumn<int>("shown"); // names left in view; -1: every one
        QTest::addColumn<int>("down"); // Down pressed, the first of which leaves the filter
        QTest::addColumn<QString>("selected"); // what Enter then picks; null: nothing

        const auto row = [](const char *name, const char *language, const char *current,
                             const char *typed, int shown, const char *selected, int down = 0) {
            QTest::newRow(name) << language << current << typed << shown << down
                                << QString(selected);
        };
        row("opens on the current choice", "en", "Canada", "", -1, "Canada");
        row("opens on the first name", "en", "", "", -1, "Afghanistan");
        row("accents", "en", "", "cote", 1, "C\u00f4te d'Ivoire");
        row("letters' case", "en", "Canada", "UNITED KINGDOM", 1, "United Kingdom");
        row("the current choice among several", "en", "United States Minor Outlying Islands",
            "united states", 3, "United States Minor Outlying Islands");
        row("a three-letter code", "en", "", "usa", 1, "United States");
        row("a two-letter code", "en", "", "gb", 1, "United Kingdom");
        row("iso-codes' own name", "en", "", "viet nam", 1, "Vietnam");
        // Shown and sorted in German, and chosen by the catalogue's name.
        row("the user's language", "de", "", "deutsch", 1, "Germany");
        // "Ägypten" comes second, where "Åland Islands" does in English.
        row("sorted as the user's language sorts", "de", "", "", -1, "Egypt", 2);
        row("no match", "en", "Canada", "xyz", 0, nullptr);
    }

    // The country dialog, as the reseller dialog: it opens on the current choice with the focus
    // in its filter, which narrows the list whatever the case and accents.
    void listDialogs()
    {
        QFETCH(QString, language);
        QFETCH(QString, current);
        QFETCH(QString, typed);
        QFETCH(int, shown);
        QFETCH(int, down);
        QFETCH(QString, selected);

        QLocale::setDefault(QLocale(language));
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        DataFolder::setPath(KVB_BIN_DIR "/../share/Tarn/CustomData/");
        CountryDialog dialog;
        dialog.setCurrentName(current);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *list = dialog.findChild<QListWidget *>();
        auto *filter = dialog.findChild<QLineEdit *>();
        QCOMPARE(QApplication::focusWidget(), filter);
        QTest::keyClicks(filter, typed);
        int inView = 0;
        for (int row = 0; row < list->count(); ++row)
            inView += !list->item(row)->isHidden();
        QCOMPARE(inView, shown < 0 ? list->count() : shown);
        for (int press = 0; press < down; ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.selectedCountry(), selected);
        QCOMPARE(dialog.isVisible(), selected.isNull());
    }

    void choiceShownAsItsCharacters_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("markup") << "<h1 style=\"color:red\">Your licence expired: call</h1>";
        QTest::newRow("a huge picture") << "<img width=\"40000\" height=\"40000\" src=\"x\">";
        QTest::newRow("an ampersand, and spaces around") << " Smith & Sons ";
    }

    // A reseller, country or region name from a file is shown as the characters it holds, on
    // the button and in its tool tip, which the toolkit draws as rich text when it looks so.
    void choiceShownAsItsCharacters()
    {
        QFETCH(QString, caption);
        ChoiceButton button("Reseller");
        button.setChoice(caption);
        QCOMPARE(button.caption(), caption);
        QCOMPARE(button.accessibleDescription(), caption);
        const QString tip = button.toolTip();
        QTextDocument shown;
        Qt::mightBeRichText(tip) ? shown.setHtml(tip) : shown.setPlainText(tip);
        QCOMPARE(shown.toPlainText(), caption);
    }

    // A label that remembers its heights answers as a plain one that measures afresh: at first,
    // after its text changes, and after its font does.
    void wrappedTextHeights()
    {
        const QString longText = "Yes, I would like to receive periodic information about "
                                 "special offers and new products from the maker, by mail.";
        QFont larger = QApplication::font();
        larger.setPointSize(larger.pointSize() * 2);
        WrappedLabel remembering;
        for (const auto &[text, font] : {std::pair(QString("Yes, please."), QApplication::font()),
                 {longText, QApplication::font()}, {longText, larger}}) {
            QLabel fresh(text);
            fresh.setWordWrap(true);
            fresh.setFont(font);
            remembering.setText(text);
            remembering.setFont(font);
            for (int round = 0; round < 2; ++round) {
                for (const int width : {60, 150, 240, 330, 450, 600})
                    QCOMPARE(remembering.heightForWidth(width), fresh.heightForWidth(width));
            }
        }
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
