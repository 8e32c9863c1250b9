#ifndef KVB_TEST_WIZARD_H
#define KVB_TEST_WIZARD_H

#include "regdata/registrationrecord.h"
#include "wizard/choicebutton.h"
#include "wizard/choicemenu.h"
#include "wizard/managewidget.h"
#include "wizard/registrationtab.h"
#include "wizard/statuslabel.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTest>

class EngineClientInterface;

// A saved registration that fills both form pages completely, so that Next and the two save
// buttons are enabled from the start; its country and region are in tests/data's catalogue.
inline RegistrationRecord completeRecord()
{
    RegistrationRecord record;
    record.firstPage = {"Ann", "Lee", "Ms", "Acme", "Post", "ann@example.com", "555", "1 Main St",
        "", "Town", "Freedonia", "North", "12345"};
    record.secondPage = {"March", "15", "2023", "Tarn Web Store", "", "Student", "Studio", "Film",
        "", "0", "0", "0"};
    return record;
}

// A corrected address as the engine hands it back.
inline const QByteArray correction
    = "ADDRESS1=2 Corrected Rd,ADDRESS2=,ISO=FD-NO,CITY=Town,STATE=NO,"
      "REGION_NAME=North,POSTCODE=12345,COUNTRY=FD,COUNTRY_NAME=Freedonia";

// The wizard's pages on a stack, shown, as the main window puts them together, so that the pages
// find each other through it.
struct Wizard
{
    explicit Wizard(EngineClientInterface *engine)
        : tab(engine, &stack)
    {
        ManageWidget::instance()->setRegistrationStack(&stack);
        stack.show();
    }

    QWidget *page() const { return stack.currentWidget(); }
    template <typename Widget = QAbstractButton> Widget *find(const QString &name) const
    {
        return page()->findChild<Widget *>(name);
    }
    // One step of the user's: "name" clicks the button of that object name, "name=text" types
    // the text into that field, "name:value" chooses the value on that choice button, from its
    // menu or, for a button without one, as its list does, "Enter@name" presses Enter on that
    // control. False when the control is not there, or the button is disabled.
    bool act(const QString &step) const
    {
        if (step.startsWith("Enter@")) {
            QWidget *control = find<QWidget>(step.mid(6));
            if (control)
                QTest::keyClick(control, Qt::Key_Return);
            return control;
        }
        if (step.contains('=')) {
            auto *field = find<QLineEdit>(step.section('=', 0, 0));
            if (field)
                field->setText(step.section('=', 1));
            return field;
        }
        if (step.contains(':')) {
            auto *choice = find<ChoiceButton>(step.section(':', 0, 0));
            const QString value = step.section(':', 1);
            for (QAction *item :
                choice && choice->menu() ? choice->menu()->actions() : QList<QAction *>())
                if (ChoiceMenu::valueOf(item) == value)
                    item->trigger();
            if (choice && !choice->menu())
                choice->setChoice(value);
            return choice;
        }
        QAbstractButton *button = find(step);
        const bool enabled = button && button->isEnabled();
        if (enabled)
            button->click();
        return enabled;
    }
    QString status() const { return page()->findChild<StatusLabel *>()->text(); }

    QStackedWidget stack;
    RegistrationTab tab;
};

#endif
