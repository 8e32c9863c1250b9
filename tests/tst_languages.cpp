// The wizard in other languages: two pseudo-translations made from the sources at each build
// (every text accented, a third longer and in brackets; every text shaped like Japanese), and the
// German and Japanese translations. Every text a user sees or a screen reader reads is translated
// but for data; nothing is cut off; no page is wider than the window's 600 pixels; access keys
// stay unique and work; and what is sent and saved is what English sends and saves.
#include "regdata/countrynames.h"
#include "regdata/datafolder.h"
#include "regdata/readreginfo.h"
#include "regdata/savereginfo.h"
#include "support/recordingengine.h"
#include "support/wizard.h"
#include "translations/translations.h"
#include "wizard/accesskey.h"
#include "wizard/choicebutton.h"

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// The room a page has in the window at its largest, 600 by 400, below the tab bar.
constexpr QSize PageRoom(588, 360);

// The steps to each page, with the engine's answer to the address check and the number of labels
// of fields, each with its access key; the purchase page with every row that a choice can show.
struct Visit
{
    const char *page;
    int result;
    QStringList steps;
    int labels;
};
const QList<Visit> visits = {
    {"FirstRegPage", 0, {}, 13},
    {"CorrectRegPage", 1, {"Next"}, 6},
    {"UnknownRegPage", 2, {"Next"}, 6},
    {"SecondRegPage", 0,
        {"Next", "PurchaseLocation:Tarn Reseller", "BuyerWorkType:Other, Please Specify"}, 8},
};

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingEngine m_engine;
    std::unique_ptr<QTranslator> m_translator;
    // Whether a text shows the translation; empty for a real one, which may keep a word as it is.
    std::function<bool(const QString &)> m_translated;

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(KVB_BIN_DIR "/KVB.rcc"));
        QVERIFY(QDir().mkpath(m_dir.filePath("Tarn/CustomData/RegData")));
    }

    void init()
    {
        DataFolder::setFolders(m_dir.filePath("Tarn/CustomData/"), false, {KVB_TEST_DATA_DIR "/"});
        const RegistrationRecord record = completeRecord();
        QVERIFY(SaveRegInfo(&record.firstPage, &record.secondPage).save());
        QFile::remove(m_dir.filePath("Tarn/CustomData/RegData/Registered.txt"));
        m_engine = RecordingEngine();
        m_engine.reply = correction;
    }

    void cleanup()
    {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        QLocale::setDefault(QLocale::c());
    }

    void chosenLanguage_data()
    {
        QTest::addColumn<QStringList>("languages"); // as the toolkit reads them, in order
        QTest::addColumn<QString>("chosen"); // of German, Japanese and Brazilian Portuguese

        QTest::newRow("German in Austria") << QStringList {"de-AT", "de"} << "de";
        QTest::newRow("Japanese") << QStringList {"ja-JP", "ja"} << "ja";
        QTest::newRow("one that is not there, then German") << QStringList {"fr-FR", "de"} << "de";
        QTest::newRow("English before German") << QStringList {"en-GB", "de"} << "";
        QTest::newRow("a name unknown, then German") << QStringList {"zz-ZZ", "de"} << "de";
        QTest::newRow("C") << QStringList {"C"} << "";
        QTest::newRow("a country's own before the language's") << QStringList {"pt-BR"} << "pt_BR";
    }

    // The first of the user's languages that is English or translated wins.
    void chosenLanguage()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QCOMPARE(Translations::chosenLanguage(languages, {"de", "ja", "pt", "pt_BR"}), chosen);
    }

    void pages_data()
    {
        languages();
        QTest::newRow("English") << QString() << "en";
    }

    // Each page as the window shows it at its largest.
    void pages()
    {
        QFETCH(QString, file);
        QFETCH(QString, locale);
        translateInto(file, locale);
        for (const Visit &visit : visits) {
            m_engine.addressResult = visit.result;
            Wizard wizard(&m_engine);
            wizard.stack.setFixedSize(PageRoom);
            QVERIFY(QTest::qWaitForWindowActive(&wizard.stack));
            for (const QString &step : visit.steps)
                QVERIFY2(wizard.act(step), qPrintable(step));
            QCOMPARE(wizard.page()->objectName(), visit.page);
            QCoreApplication::processEvents();
            checkPage(wizard.page(), visit.labels);
        }
    }

    void sameRegistration_data() { languages(); }

    // The same choices send and save the same bytes in every language, and the keyboard alone
    // gets there: each button by its access key. The saved country, whose catalogue name is no
    // ISO name, shows by the name that the country list gives its code once the catalogues are
    // read, and its region menu, filled as it opens, offers its regions.
    void sameRegistration()
    {
        QFETCH(QString, file);
        QFETCH(QString, locale);
        const auto registerAll = [this] {
            m_engine = RecordingEngine();
            RegistrationRecord record = completeRecord();
            record.firstPage.country = "\u010cesko";
            record.firstPage.state = "Plze\u0148";
            QVERIFY(SaveRegInfo(&record.firstPage, &record.secondPage).save());
            Wizard wizard(&m_engine);
            wizard.stack.show();
            QVERIFY(QTest::qWaitForWindowActive(&wizard.stack));
            wizard.tab.readCataloguesAhead();
            QCOMPARE(wizard.find<ChoiceButton>("CountryButton")->caption(),
                CountryNames::shown(record.firstPage.country, "CZ"));
            QMenu *regions = wizard.find<ChoiceButton>("RegionButton")->menu();
            emit regions->aboutToShow();
            QCOMPARE(regions->actions().size(), 2);
            // A button's access key clicks it a moment later, as a click shows.
            pressAccessKey(wizard, "Next");
            QTRY_COMPARE(wizard.page()->objectName(), "SecondRegPage");
            for (const char *step : {"PurchaseLocation:Tarn Reseller", "Reseller:Amberline",
                     "BuyerWorkType:Other, Please Specify", "WorkTypeOther=Trailers", "Yes"})
                QVERIFY2(wizard.act(step), step);
            pressAccessKey(wizard, "Save and Register");
            QTRY_COMPARE(m_engine.registrations.size(), 1);
        };
        registerAll();
        const QByteArrayList english = m_engine.addresses + m_engine.registrations;
        const QByteArray savedInEnglish = saved();
        translateInto(file, locale);
        init();
        registerAll();
        QCOMPARE(m_engine.addresses + m_engine.registrations, english);
        QCOMPARE(saved(), savedInEnglish);
    }

private:
    void languages()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("locale");
        QTest::newRow("accented, a third longer") << KVB_PSEUDO_DIR "/accented.qm"
                                                  << "en";
        QTest::newRow("shaped like Japanese") << KVB_PSEUDO_DIR "/japanese.qm"
                                              << "ja";
        QTest::newRow("German") << ":/i18n/kvb_de.qm"
                                << "de";
        QTest::newRow("Japanese") << ":/i18n/kvb_ja.qm"
                                  << "ja";
    }

    void translateInto(const QString &file, const QString &locale)
    {
        m_translated = nullptr;
        if (file.isEmpty())
            return;
        m_translator = std::make_unique<QTranslator>();
        QVERIFY2(m_translator->load(file), qPrintable(file));
        QCoreApplication::installTranslator(m_translator.get());
        QLocale::setDefault(QLocale(locale));
        if (file.endsWith("accented.qm"))
            m_translated = [](const QString &text) { return text.contains('['); };
        else if (file.endsWith("japanese.qm"))
            m_translated = [](const QString &text) { return text.contains(QChar(0x540d)); };
    }

    // Whether text is data, which stays as the record, the catalogue or the locale has it.
    static bool isData(const QString &text)
    {
        QStringList data {"Amberline"};
        const RegistrationRecord record = completeRecord();
        for (const auto &field : FirstPageRecord::fields)
            data << record.firstPage.*field.value;
        for (int month = 1; month <= 12; ++month)
            data << QLocale().standaloneMonthName(month);
        const bool hasLetters
            = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
        return !hasLetters || data.contains(text) || text.startsWith("2 Corrected Rd");
    }

    void expectTranslated(const QString &text, const QObject *where)
    {
        if (m_translated && !isData(text))
            QVERIFY2(m_translated(text), qPrintable(where->objectName() + ": " + text));
    }

    // A page's texts and access keys, with the number of labels of fields it must have.
    void checkPage(QWidget *page, int labels)
    {
        expectTranslated(page->windowTitle(), page);
        auto *body = page->findChild<QScrollArea *>();
        QVERIFY2(body->widget()->minimumSizeHint().width() <= body->viewport()->width(),
            qPrintable(QString("%1 needs %2 pixels, has %3")
                           .arg(page->objectName())
                           .arg(body->widget()->minimumSizeHint().width())
                           .arg(body->viewport()->width())));
        // However far the body scrolls, the status line and the page's buttons stay in view.
        for (const QWidget *kept : page->findChildren<QWidget *>(
                 QRegularExpression("^(StatusText|Back|Cancel|Next|Save|Save and Register)$")))
            QVERIFY2(page->rect().contains(QRect(kept->mapTo(page, QPoint()), kept->size())),
                qPrintable(kept->objectName() + " out of view"));
        // The window opens on the contact page, whole in every real language.
        QVERIFY(page->objectName() != "FirstRegPage" || m_translated
            || !body->verticalScrollBar()->isVisible());
        QSet<QKeySequence> keys;
        for (QWidget *widget : page->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(page))
                continue;
            expectTranslated(widget->accessibleName(), widget);
            if (!qobject_cast<ChoiceButton *>(widget) && !qobject_cast<QLineEdit *>(widget))
                expectTranslated(widget->accessibleDescription(), widget);
            checkText(widget, keys);
            labels -= qobject_cast<QLabel *>(widget) && static_cast<QLabel *>(widget)->buddy();
        }
        QCOMPARE(labels, 0);
    }

    // A label's or a button's text translated and whole. Every label of a field and every button
    // but a choice has an access key, none twice on a page; a label's key takes the focus to its
    // field (one on a button presses it, which opens its menu or list).
    void checkText(QWidget *widget, QSet<QKeySequence> &keys)
    {
        QString text;
        bool whole = true;
        bool keyed = true;
        if (auto *choice = qobject_cast<ChoiceButton *>(widget)) {
            text = choice->caption();
            // As wide as a plain button of the whole caption and the same menu asks to be.
            QPushButton plain(QString(text).replace('&', "&&"));
            plain.setFont(choice->font());
            plain.setMenu(choice->menu());
            whole = isData(text) || choice->width() >= plain.sizeHint().width();
            plain.setMenu(nullptr);
            for (const QAction *item :
                choice->menu() ? choice->menu()->actions() : QList<QAction *>())
                expectTranslated(withoutAccessKey(item->text()), choice);
            keyed = false;
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            whole = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                      : label->width() >= label->sizeHint().width();
            keyed = label->buddy();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            whole = button->hasHeightForWidth()
                ? button->height() >= button->heightForWidth(button->width())
                : button->width() >= button->sizeHint().width();
            keyed = !qobject_cast<QToolButton *>(button);
        } else {
            return;
        }
        expectTranslated(withoutAccessKey(text), widget);
        QVERIFY2(whole, qPrintable(widget->objectName() + " cut: " + text));
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!keyed)
            return;
        QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(text));
        keys << key;
        const auto *label = qobject_cast<QLabel *>(widget);
        if (label && !qobject_cast<QAbstractButton *>(label->buddy())) {
            QTest::keySequence(widget->window(), key);
            QCOMPARE(QApplication::focusWidget(), label->buddy());
        }
    }

    static void pressAccessKey(Wizard &wizard, const QString &button)
    {
        QTest::keySequence(&wizard.stack, QKeySequence::mnemonic(wizard.find(button)->text()));
    }

    QByteArray saved() const
    {
        QFile file(m_dir.filePath("Tarn/CustomData/RegData/RegInfo.xml"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
