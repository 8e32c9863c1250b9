#include "secondregpage.h"

#include "accesskey.h"
#include "choicebutton.h"
#include "choicemenu.h"
#include "formrows.h"
#include "pagelayout.h"
#include "sentitemsdialog.h"
#include "statuslabel.h"
#include "unsendablefields.h"
#include "wrappedlabel.h"
#include "wrappingcheckbox.h"

#include "dialogs/resellerdialog.h"
#include "engine/engineclient.h"
#include "engine/engineclientinterface.h"
#include "engine/enginetext.h"
#include "engine/requesttext.h"
#include "regdata/hostvalues.h"
#include "regdata/purchasechoices.h"
#include "regdata/registrationnote.h"
#include "regdata/savereginfo.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace {

// The object names by which the action buttons are found, whatever their
// captions.
const char SaveName[] = "Save";
const char RegisterName[] = "Save and Register";

// How the menus show their values: the month by the user's locale's name,
// a number as it is, the maker's lists as translated.
QString monthCaption(const QString &month)
{
    const qsizetype index = PurchaseChoices::months().indexOf(month);
    return index < 0 ? month : QLocale().standaloneMonthName(int(index) + 1);
}

QString asItIs(const QString &value)
{
    return value;
}

} // namespace

SecondRegPage::SecondRegPage(
    const SecondPageRecord &record, EngineClientInterface *engine, QWidget *parent)
    : WizardPage(parent)
    , m_record(record)
    , m_engine(engine)
    , m_contact(QSharedPointer<ContactRecord>::create())
{
    auto *introLabel
        = new WrappedLabel(tr("Please enter the following information to register your "
                              "software. An asterisk(*) denotes a required field."));
    createChoiceButtons();
    createOfferBoxes();
    m_statusLabel = new StatusLabel;
    // The user's own type of work is the one text on this page that goes to
    // the maker's service.
    m_unsendable = new UnsendableFields(m_statusLabel,
        tr("Press Save and Register again to send them with \"?\" in their place."), this);
    m_unsendable->watch(m_workOtherField, tr("Your own type of work"));
    auto *viewButton = new QPushButton(tr("&View what is sent"));
    viewButton->setObjectName(QStringLiteral("ViewSent"));
    connect(viewButton, &QPushButton::clicked, this, &SecondRegPage::showSentItems);

    QVBoxLayout *body = PageLayout::column();
    body->addWidget(introLabel);
    body->addLayout(createChoiceRows());
    body->addLayout(createSystemsRow());
    body->addWidget(m_offersBox);
    body->addWidget(m_partnerOffersBox);
    body->addWidget(m_unsubscribeLabel);
    body->addWidget(viewButton, 0, Qt::AlignLeft);
    // What is still to choose or correct, while the save buttons wait.
    m_missingLabel = new WrappedLabel;
    m_missingLabel->setObjectName(QStringLiteral("Missing"));
    auto *footer = new QVBoxLayout;
    footer->addWidget(m_missingLabel);
    footer->addLayout(createButtonRow());
    setPageLayout(body, footer, m_statusLabel);

    showReseller(false);
    showWorkOther(false);
    setWindowTitle(tr("Registration Step 3 of 3"));
}

void SecondRegPage::createChoiceButtons()
{
    using namespace PurchaseChoices;
    //: The placeholder of the purchase date's month, until one is chosen.
    m_monthButton = createMenuButton(tr("Month"), Placeholder::month, "MonthButton", months(),
        monthCaption, &SecondRegPage::onMonthMenuClick);
    //: The placeholder of the purchase date's day of the month, until one is chosen.
    m_dayButton = createMenuButton(
        tr("Day"), Placeholder::day, "DayButton", days(), asItIs, &SecondRegPage::onDayMenuClick);
    //: The placeholder of the purchase date's year, until one is chosen.
    m_yearButton = createMenuButton(tr("Year"), Placeholder::year, "YearButton",
        years(QDate::currentDate().year()), asItIs, &SecondRegPage::onYearMenuClick);
    m_locationButton = createMenuButton(tr("Purchase Location"), Placeholder::location,
        "PurchaseLocation", locations(), caption, &SecondRegPage::onLocationMenuClick);
    //: The placeholder of the reseller, until one is chosen from the list.
    m_resellerButton = new ChoiceButton(tr("Reseller"), Placeholder::reseller);
    m_resellerButton->setObjectName(QStringLiteral("Reseller"));
    connect(m_resellerButton, &QPushButton::clicked, this, &SecondRegPage::showResellerPopup);
    m_userTypeButton = createMenuButton(tr("Type of User"), Placeholder::userType,
        "BuyerDescription", userTypes(), caption, &SecondRegPage::onDescMenuClick);
    m_businessButton = createMenuButton(tr("Type of Business"), Placeholder::business,
        "BuyerBusiness", businesses(), caption, &SecondRegPage::onBusMenuClick);
    m_workButton = createMenuButton(tr("Type of Work"), Placeholder::workType, "BuyerWorkType",
        workTypes(), caption, &SecondRegPage::onWorkMenuClick);
    m_workOtherField = FormRows::textField(QStringLiteral("WorkTypeOther"));
}

QLayout *SecondRegPage::createChoiceRows()
{
    QGridLayout *form = FormRows::form();
    m_choiceRows = form;
    form->setVerticalSpacing(2);
    auto *date = new QHBoxLayout;
    for (ChoiceButton *button : {m_monthButton, m_dayButton, m_yearButton})
        date->addWidget(button);
    FormRows::addRow(form, tr("Purchase &Date:"), date, m_monthButton, true);
    // One label stands for the three date buttons, so each names its part.
    m_monthButton->setAccessibleName(tr("Purchase month"));
    m_dayButton->setAccessibleName(tr("Purchase day"));
    m_yearButton->setAccessibleName(tr("Purchase year"));

    addChoiceRow(form, tr("Purchase &Location:"), m_locationButton);
    m_resellerLabel = addChoiceRow(form, tr("&Reseller:"), m_resellerButton);
    addChoiceRow(form, tr("What best describes yo&u?"), m_userTypeButton);
    addChoiceRow(form, tr("What business are you &in?"), m_businessButton);
    addChoiceRow(form, tr("What type of &work do you do?"), m_workButton);
    m_workOtherLabel
        = FormRows::addRow(form, tr("Your own type of wor&k:"), m_workOtherField, false);
    return form;
}

QLabel *SecondRegPage::addChoiceRow(
    QGridLayout *form, const QString &labelText, ChoiceButton *button)
{
    QLabel *label = FormRows::addRow(form, labelText, button, true);
    // Named by its question; its choice is its description.
    button->setAccessibleName(withoutAccessKey(label->text()));
    return label;
}

QLayout *SecondRegPage::createSystemsRow()
{
    m_systemsLabel = new QLabel(tr("Do you own any other &Tarn systems?"));
    m_yesButton = new QRadioButton(tr("&Yes"));
    m_yesButton->setObjectName(QStringLiteral("Yes"));
    m_noButton = new QRadioButton(tr("&No"));
    m_noButton->setObjectName(QStringLiteral("No"));
    m_systemsLabel->setBuddy(m_yesButton);
    auto *row = new QHBoxLayout;
    row->addWidget(m_systemsLabel);
    row->addWidget(m_yesButton);
    row->addWidget(m_noButton);
    row->addStretch(1);
    return row;
}

void SecondRegPage::createOfferBoxes()
{
    m_offersBox = new WrappingCheckBox(tr("Yes, I would like to receive periodic information about "
                                          "Tarn's special &offers and new products."));
    m_offersBox->setObjectName(QStringLiteral("Offers"));
    m_partnerOffersBox
        = new WrappingCheckBox(tr("Yes, I would like to receive periodic information "
                                  "about special offers and new products from Tarn "
                                  "&Partners."));
    m_partnerOffersBox->setObjectName(QStringLiteral("PartnerOffers"));
    // "abot" is the maker's own wording of its list terms, kept letter for letter.
    m_unsubscribeLabel = new WrappedLabel(
        tr("You may unsubscribe from these lists at any time. Information abot how to "
           "unsubscribe is available in each email Tarn sends to you."));
}

QLayout *SecondRegPage::createButtonRow()
{
    auto *backButton = new QPushButton(tr("&Back"));
    backButton->setObjectName(QStringLiteral("Back"));
    auto *cancelButton = new QPushButton(tr("&Cancel"));
    cancelButton->setObjectName(QStringLiteral("Cancel"));
    auto *saveButton = new QPushButton(tr("&Save"));
    saveButton->setObjectName(QLatin1String(SaveName));
    saveButton->setEnabled(false);
    auto *registerButton = new QPushButton(tr("Save &and Register"));
    registerButton->setObjectName(QLatin1String(RegisterName));
    registerButton->setEnabled(false);
    connect(registerButton, &QPushButton::clicked, this, &SecondRegPage::regPage2NextSignal);
    connect(cancelButton, &QPushButton::clicked, this, &SecondRegPage::regPage2CancelSignal);
    connect(backButton, &QPushButton::clicked, this, &SecondRegPage::regPage2BackSignal);
    connect(saveButton, &QPushButton::clicked, this, &SecondRegPage::regPage2SaveSignal);
    return PageLayout::buttonRow(backButton, {cancelButton, saveButton, registerButton});
}

void SecondRegPage::showSentItems()
{
    collectPurchaseDetails();
    const QList<RequestText::Pair> pairs = registrationPairs();
    SentItemsDialog dialog(
        EngineClient::registrationParameterText(engineText(RequestText::joined(pairs))), pairs,
        tr("SystemID tells the maker which computer this copy runs on: the program that started "
           "KVB gives it, or KVB works it out from the computer's own ID in a way that cannot be "
           "undone, so that ID itself never leaves the computer."),
        this);
    dialog.exec();
}

void SecondRegPage::setContact(QSharedPointer<ContactRecord> contact)
{
    m_contact = std::move(contact);
}

void SecondRegPage::setAddress(QSharedPointer<AddressRecord> address)
{
    takeRegistrationStack();
    m_address = std::move(address);
}

void SecondRegPage::fillFromRecord()
{
    // A choice not offered comes as its placeholder, which the button shows
    // as no choice.
    const SecondPageRecord shown = PurchaseChoices::tidied(m_record);
    m_monthButton->setValue(shown.purchaseMonth);
    m_dayButton->setValue(shown.purchaseDay);
    m_yearButton->setValue(shown.purchaseYear);
    m_locationButton->setValue(shown.purchaseLocation);
    m_resellerButton->setValue(shown.resellerInfo);
    showReseller(shown.purchaseLocation == PurchaseChoices::resellerLocation);
    m_userTypeButton->setValue(shown.buyerDescription);
    m_businessButton->setValue(shown.buyerBusiness);
    m_workButton->setValue(shown.buyerWorkType);
    m_workOtherField->setText(shown.workTypeOther);
    showWorkOther(shown.buyerWorkType.contains(PurchaseChoices::otherWork));
    const QLatin1String yes("1");
    (shown.ownTarnSystems == yes ? m_yesButton : m_noButton)->setChecked(true);
    m_offersBox->setChecked(shown.tarnSpecial == yes);
    m_partnerOffersBox->setChecked(shown.tarnPartnerSpecial == yes);
    updateSaveButtons();
}

void SecondRegPage::fillFromPresets(const SecondPageRecord &presets)
{
    m_locationButton->setValue(presets.purchaseLocation);
    m_resellerButton->setValue(presets.resellerInfo);
    showReseller(presets.purchaseLocation == PurchaseChoices::resellerLocation);
    m_userTypeButton->setValue(presets.buyerDescription);
    m_businessButton->setValue(presets.buyerBusiness);
    m_workButton->setValue(presets.buyerWorkType);
    showWorkOther(presets.buyerWorkType.contains(PurchaseChoices::otherWork));
    updateSaveButtons();
}

void SecondRegPage::updateSaveButtons()
{
    const QString missing = missingChoice();
    m_missingLabel->setText(missing);
    m_missingLabel->setVisible(!missing.isEmpty());
    for (const char *name : {SaveName, RegisterName})
        if (QPushButton *button = actionButton(name))
            button->setEnabled(missing.isEmpty());
}

QString SecondRegPage::missingChoice() const
{
    const std::pair<const ChoiceButton *, QString> required[] = {
        {m_monthButton, tr("Choose the month of purchase.")},
        {m_dayButton, tr("Choose the day of purchase.")},
        {m_yearButton, tr("Choose the year of purchase.")},
        {m_locationButton, tr("Choose where you bought the product.")},
        {m_resellerButton, tr("Choose the reseller.")},
        {m_userTypeButton, tr("Choose what best describes you.")},
        {m_businessButton, tr("Choose the business you are in.")},
        {m_workButton, tr("Choose the type of work you do.")},
    };
    for (const auto &[button, message] : required) {
        if (!button->isChosen() && !button->isHidden())
            return message;
    }
    switch (PurchaseChoices::dateProblem(m_monthButton->value(), m_dayButton->value(),
        m_yearButton->value(), QDate::currentDate())) {
    case PurchaseChoices::DateProblem::NoSuchDay:
        return tr("There is no such day: please choose the day of purchase again.");
    case PurchaseChoices::DateProblem::AfterToday:
        return tr("The purchase date is after today: please choose the day of purchase again.");
    case PurchaseChoices::DateProblem::None:
        break;
    }
    return QString();
}

void SecondRegPage::regPage2NextSignal()
{
    QPushButton *registerButton = actionButton(RegisterName);
    if (m_quitting.contains(registerButton)) {
        quit();
        return;
    }
    if (!m_unsendable->confirm() || !confirmSecondRegistration())
        return;

    collectPurchaseDetails();
    // The registration is what the user asked for; a record that could not
    // be written does not hold it up, but the user hears of it.
    const bool saved = saveRecord();
    bool registered = false;
    bool noted = false;
    m_registering = true;
    whileBusy(tr("Registering your product...."), {registerButton, actionButton(SaveName)}, [&] {
        registered = sendRegistration();
        noted = registered && RegistrationNote::write(QDate::currentDate());
    });
    m_registering = false;
    showRegistrationOutcome(registered, saved, noted);
    // There is no second attempt: what is left is to quit.
    becomeQuit(registerButton);
    // Closed a second time meanwhile, the window is gone already.
    if (m_closeWhenAnswered && window()->isVisible())
        window()->close();
}

void SecondRegPage::showRegistrationOutcome(bool registered, bool saved, bool noted)
{
    // One sentence run into the next, as the maker's support staff know the
    // message.
    QString message = registered ? tr("Registration successful.")
                                 : tr("Registration failed.Please contact Tarn customer support.");
    if (!registered && !m_engineMissing.isEmpty())
        message += QLatin1Char(' ') + m_engineMissing;
    if (!saved)
        message += QLatin1Char(' ')
            + tr("Your details could not be saved on this computer, so KVB cannot fill them in "
                 "next time.");
    else if (registered && !noted)
        message += QLatin1Char(' ')
            + tr("KVB could not note on this computer that this copy is registered.");
    m_statusLabel->setMessage(
        message, registered && saved && noted ? StatusLabel::Success : StatusLabel::Error);
}

bool SecondRegPage::confirmSecondRegistration()
{
    const QDate registered = RegistrationNote::read();
    if (!registered.isValid())
        return true;
    QMessageBox question(QMessageBox::Question, QStringLiteral("KVB"),
        tr("This copy was registered on %1. Register it again?")
            .arg(QLocale().toString(registered, QLocale::LongFormat)),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setInformativeText(tr("The maker has that registration. A second one sends your "
                                   "details as they are now, as a registration of its own."));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

bool SecondRegPage::closeWhenAnswered(int timeout)
{
    if (m_closeWhenAnswered)
        return true;
    m_closeWhenAnswered = true;
    m_statusLabel->setMessage(tr("Registering your product....") + QLatin1Char(' ')
            + tr("KVB closes as soon as the maker answers."),
        StatusLabel::Information);
    // A registration that never ends must not keep the window: the record
    // is saved, and what the maker says no longer reaches anyone.
    QTimer::singleShot(timeout, this, [this] {
        if (m_registering && window()->isVisible())
            window()->close();
    });
    return false;
}

void SecondRegPage::regPage2CancelSignal()
{
    returnToContactPage();
}

void SecondRegPage::regPage2BackSignal()
{
    returnToContactPage();
}

void SecondRegPage::regPage2SaveSignal()
{
    QPushButton *saveButton = actionButton(SaveName);
    if (m_quitting.contains(saveButton)) {
        quit();
        return;
    }

    bool saved = false;
    whileBusy(tr("Saving registration data...."), {saveButton}, [&] {
        collectPurchaseDetails();
        saved = saveRecord();
    });
    if (saved) {
        m_statusLabel->setMessage(
            tr("Registration data saved successfully."), StatusLabel::Success);
        becomeQuit(saveButton);
    } else {
        // The caption stays, so that the user can try again.
        m_statusLabel->setMessage(tr("Failed to save registration data."), StatusLabel::Error);
    }
}

void SecondRegPage::onMonthMenuClick(QAction *action)
{
    setChoice(m_monthButton, action);
    updateSaveButtons();
}

void SecondRegPage::onDayMenuClick(QAction *action)
{
    setChoice(m_dayButton, action);
    updateSaveButtons();
}

void SecondRegPage::onYearMenuClick(QAction *action)
{
    setChoice(m_yearButton, action);
    updateSaveButtons();
}

void SecondRegPage::onLocationMenuClick(QAction *action)
{
    setChoice(m_locationButton, action);
    // The reseller name stays on the hidden button, ready for when the
    // location is chosen again.
    showReseller(m_locationButton->value() == PurchaseChoices::resellerLocation);
    updateSaveButtons();
}

void SecondRegPage::onDescMenuClick(QAction *action)
{
    setChoice(m_userTypeButton, action);
    updateSaveButtons();
}

void SecondRegPage::onBusMenuClick(QAction *action)
{
    setChoice(m_businessButton, action);
    updateSaveButtons();
}

void SecondRegPage::onWorkMenuClick(QAction *action)
{
    setChoice(m_workButton, action);
    // Hiding keeps the text, so that it is back when "Other" is chosen again.
    showWorkOther(m_workButton->value().contains(PurchaseChoices::otherWork));
    updateSaveButtons();
}

void SecondRegPage::showResellerPopup()
{
    ResellerDialog dialog(this);
    if (m_resellerButton->isChosen())
        dialog.setCurrentName(m_resellerButton->value());
    dialog.exec();
    const QString name = dialog.selectedReseller();
    if (!name.isNull())
        m_resellerButton->setChoice(name);
    m_resellerButton->setFocus(Qt::OtherFocusReason);
    updateSaveButtons();
}

ChoiceButton *SecondRegPage::createMenuButton(const QString &placeholder,
    const QString &unchosenValue, const char *objectName, const QStringList &values,
    QString (*caption)(const QString &), void (SecondRegPage::*handler)(QAction *))
{
    auto *button = new ChoiceButton(placeholder, unchosenValue);
    button->setObjectName(QLatin1String(objectName));
    auto *menu = new ChoiceMenu(button);
    for (const QString &value : values)
        menu->addChoice(value, caption(value));
    connect(menu, &QMenu::triggered, this, handler);
    button->setMenu(menu);
    button->fitToMenu();
    return button;
}

QPushButton *SecondRegPage::actionButton(const char *objectName) const
{
    return findChild<QPushButton *>(QLatin1String(objectName));
}

void SecondRegPage::setChoice(ChoiceButton *button, QAction *action)
{
    if (action)
        button->setChoice(ChoiceMenu::valueOf(action), withoutAccessKey(action->text()));
    else
        button->clearChoice();
}

void SecondRegPage::showReseller(bool shown)
{
    showRow(m_resellerLabel, shown);
}

void SecondRegPage::showWorkOther(bool shown)
{
    showRow(m_workOtherLabel, shown);
    m_unsendable->update();
}

void SecondRegPage::showRow(QLabel *label, bool shown)
{
    FormRows::setRowVisible(m_choiceRows, label, shown);
}

RegistrationRecord SecondRegPage::record() const
{
    return record(*m_contact, m_address ? *m_address : AddressRecord());
}

RegistrationRecord SecondRegPage::record(
    const ContactRecord &contact, const AddressRecord &address) const
{
    return purchaseDetails().toRecord(
        contact, address, m_monthButton->value(), m_dayButton->value(), m_yearButton->value());
}

QWidget *SecondRegPage::firstControl() const
{
    return m_monthButton;
}

void SecondRegPage::becomeQuit(QPushButton *button)
{
    //: An action button that has done its work, and now ends the program.
    button->setText(tr("&Quit"));
    m_quitting.insert(button);
    m_becameQuit.start();
}

void SecondRegPage::quit()
{
    // The second click of a double click, on a button that the first one
    // made "Quit", is no wish to quit.
    if (m_becameQuit.isValid() && m_becameQuit.elapsed() < QApplication::doubleClickInterval())
        return;
    QCoreApplication::exit(1);
}

void SecondRegPage::collectPurchaseDetails()
{
    m_purchaseDetails = purchaseDetails();
}

PurchaseDetails SecondRegPage::purchaseDetails() const
{
    // Neither yes nor no checked leaves that answer as it was.
    PurchaseDetails details = m_purchaseDetails;
    details.purchaseDate
        = PurchaseDetails::dateText(int(PurchaseChoices::months().indexOf(m_monthButton->value())),
            m_dayButton->value().toInt(), m_yearButton->value().toInt());
    details.businessType = m_businessButton->value();
    details.purchaseLocation = m_locationButton->value();
    details.reseller = m_resellerButton->value();
    details.userType = m_userTypeButton->value();
    details.workType = m_workButton->value();
    details.workTypeOther = m_workOtherField->text();
    details.contactMe = m_offersBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    details.thirdParty
        = m_partnerOffersBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (m_yesButton->isChecked())
        details.otherSystems = QStringLiteral("1");
    else if (m_noButton->isChecked())
        details.otherSystems = QStringLiteral("0");
    return details;
}

bool SecondRegPage::saveRecord()
{
    const RegistrationRecord saved = record();
    return SaveRegInfo(&saved.firstPage, &saved.secondPage).save();
}

QList<RequestText::Pair> SecondRegPage::registrationPairs() const
{
    return RequestText::registrationPairs(HostValues::systemId(), HostValues::serialNumber(),
        *m_contact, m_purchaseDetails, m_address ? *m_address : AddressRecord());
}

bool SecondRegPage::sendRegistration()
{
    return m_engine->submitRegistration(engineText(RequestText::joined(registrationPairs())));
}
