#include "firstregpage.h"

#include "accesskey.h"
#include "choicebutton.h"
#include "choicemenu.h"
#include "correctregpage.h"
#include "formrows.h"
#include "managewidget.h"
#include "secondregpage.h"
#include "sentitemsdialog.h"
#include "statuslabel.h"
#include "unknownregpage.h"
#include "unsendablefields.h"
#include "wrappedlabel.h"

#include "dialogs/countrydialog.h"
#include "engine/engineclient.h"
#include "engine/engineclientinterface.h"
#include "engine/enginetext.h"
#include "engine/requesttext.h"
#include "regdata/countrynames.h"
#include "regdata/datafolder.h"
#include "regdata/xmlregstruct.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A sunken box around one column of rows. Its margins and spacing are
// tighter than the style's, and the rows take the spacing from it, so that
// two columns fit side by side in the window.
QFrame *framedPanel(QLayout *layout)
{
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    auto *frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setLayout(layout);
    return frame;
}

// The rows of a column in the middle of its height, as the two columns have
// rows of different heights.
QLayout *centredVertically(QLayout *rows)
{
    auto *column = new QVBoxLayout;
    column->addStretch(1);
    column->addLayout(rows);
    column->addStretch(1);
    return column;
}

} // namespace

FirstRegPage::FirstRegPage(
    const FirstPageRecord &record, EngineClientInterface *engine, QWidget *parent)
    : WizardPage(parent)
    , m_statusLabel(new StatusLabel)
    , m_unsendable(new UnsendableFields(
          m_statusLabel, tr("Press Next again to send them with \"?\" in their place."), this))
    , m_record(record)
    , m_engine(engine)
{
    m_introLabel = new WrappedLabel(tr("Please enter the following information to register your "
                                       "software. An asterisk(*) denotes a required field."));
    auto *panels = new QHBoxLayout;
    panels->setSpacing(4);
    panels->addWidget(framedPanel(createContactPanel()));
    panels->addWidget(framedPanel(createAddressPanel()));

    m_nextButton = new QPushButton(tr("&Next"));
    m_nextButton->setObjectName(QStringLiteral("Next"));
    m_nextButton->setEnabled(false);
    connect(m_nextButton, &QPushButton::clicked, this, &FirstRegPage::reg1NextSignal);
    // Shown while a field holds characters that the service cannot take.
    auto *viewButton = new QPushButton(tr("&View what is sent"));
    viewButton->setObjectName(QStringLiteral("ViewSent"));
    connect(viewButton, &QPushButton::clicked, this, &FirstRegPage::showSentItems);
    m_unsendable->showWhileUnsendable(viewButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(viewButton);
    buttons->addStretch(1);
    buttons->addWidget(m_nextButton);

    // The page's own margins are tight as well, for the same width.
    auto *body = new QVBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    body->setSpacing(4);
    body->addWidget(m_introLabel);
    body->addLayout(panels);
    setPageLayout(body, buttons, m_statusLabel);

    // Down the left panel, then down the right one.
    const QList<QWidget *> tabOrder {m_firstNameEdit, m_lastNameEdit, m_titleEdit, m_companyEdit,
        m_departmentEdit, m_emailEdit, m_phoneEdit, m_street1Edit, m_street2Edit, m_cityEdit,
        m_countryButton, m_regionButton, m_postcodeEdit, m_nextButton};
    for (int index = 1; index < tabOrder.size(); ++index)
        setTabOrder(tabOrder[index - 1], tabOrder[index]);
    // Focus given to the page goes to its first field.
    setFocusProxy(m_firstNameEdit);

    setWindowTitle(tr("Registration Step 1 of 3"));
}

QLayout *FirstRegPage::createContactPanel()
{
    QGridLayout *form = FormRows::form();
    //: The labels of the contact details; "&" marks each one's access key.
    m_firstNameEdit = addRow(form, tr("&First Name:"), "First Name:", tr("First Name"), true);
    m_lastNameEdit = addRow(form, tr("&Last Name:"), "Last Name:", tr("Last Name"), true);
    //: A title such as "Dr." or "Ms.", as part of a name.
    m_titleEdit = addRow(form, tr("&Title:"), "Title:", tr("Title"), false);
    m_companyEdit = addRow(form, tr("Compan&y:"), "Company:", tr("Company"), false);
    m_departmentEdit = addRow(form, tr("&Department:"), "Department:", tr("Department"), false);
    m_emailEdit = addRow(form, tr("&Email Address:"), "Email Address:", tr("Email Address"), true);
    m_phoneEdit = addRow(form, tr("&Phone Number:"), "Phone Number:", tr("Phone Number"), true);
    return centredVertically(form);
}

QLayout *FirstRegPage::createAddressPanel()
{
    QGridLayout *form = FormRows::form();
    m_street1Edit
        = addRow(form, tr("Street Address &1:"), "Street Address 1:", tr("Street Address 1"), true);
    m_street2Edit = addRow(
        form, tr("Street Address &2:"), "Street Address 2:", tr("Street Address 2"), false);
    m_cityEdit = addRow(form, tr("C&ity:"), "City:", tr("City"), true);
    m_countryButton = addChoiceRow(form, tr("C&ountry:"), tr("Select a Country"), "CountryButton");
    m_regionButton
        = addChoiceRow(form, tr("&State/Province/Region:"), tr("Select a Region"), "RegionButton");
    m_postcodeEdit
        = addRow(form, tr("&Zip/Postal Code:"), "Zip/Postal Code:", tr("Zip/Postal Code"), true);

    // Until a country is chosen the menu only repeats the button's caption.
    m_regionMenu = new ChoiceMenu(m_regionButton);
    m_regionMenu->addAction(m_regionButton->caption());
    m_regionButton->setMenu(m_regionMenu);
    connect(m_regionMenu, &QMenu::aboutToShow, this, &FirstRegPage::fillRegionMenu);
    connect(m_countryButton, &QPushButton::clicked, this, &FirstRegPage::showCountryPopup);
    return centredVertically(form);
}

FirstRegPage::~FirstRegPage() = default;

void FirstRegPage::fillFromRecord()
{
    m_firstNameEdit->setText(m_record.firstName);
    m_lastNameEdit->setText(m_record.lastName);
    m_titleEdit->setText(m_record.title);
    m_companyEdit->setText(m_record.company);
    m_departmentEdit->setText(m_record.department);
    m_emailEdit->setText(m_record.emailAddress);
    m_phoneEdit->setText(m_record.phoneNumber);
    m_street1Edit->setText(m_record.streetAddress1);
    m_street2Edit->setText(m_record.streetAddress2);
    m_cityEdit->setText(m_record.city);
    // A saved country is taken as it is, even one that the catalogue no
    // longer lists; an empty one is none.
    setCountry(m_record.country);
    if (!m_record.state.isEmpty())
        m_regionButton->setChoice(m_record.state);
    m_postcodeEdit->setText(m_record.zip);
    // Show the start of every text, as the user would have typed it.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setCursorPosition(0);
    updateNextButton();
}

void FirstRegPage::fillFromPresets(const FirstPageRecord &presets)
{
    m_companyEdit->setText(presets.company);
    m_departmentEdit->setText(presets.department);
    setCountry(presets.country);
    updateNextButton();
}

void FirstRegPage::setCountry(const QString &country, const QString &caption)
{
    if (country.isEmpty())
        return;
    m_countryButton->setChoice(country, caption.isNull() ? CountryNames::shown(country) : caption);
    m_countrySet = true;
    // The regions are read from the catalogue when the menu opens, so that a
    // saved country costs no reading before the window shows.
    m_regionsOf = country;
    m_regionButton->clearChoice();
}

void FirstRegPage::showCountryAsListed(const XMLRegStruct &catalogue)
{
    if (m_countryButton->isChosen()) {
        const QString country = m_countryButton->value();
        m_countryButton->setChoice(
            country, CountryNames::shown(country, catalogue.countryCode(country)));
    }
}

void FirstRegPage::fillRegionMenu()
{
    if (m_regionsOf.isNull())
        return;
    clearRegionMenu();
    const XMLRegStruct catalogue;
    for (const RegionEntry *region : catalogue.regions()) {
        if (region->country->longName != m_regionsOf)
            continue;
        QAction *item = m_regionMenu->addChoice(region->longName);
        connect(item, &QAction::triggered, this, &FirstRegPage::onMenuClick);
    }
    m_regionsOf = QString();
}

void FirstRegPage::updateNextButton()
{
    bool complete = m_countryButton->isChosen() && m_regionButton->isChosen();
    for (const QString &name : std::as_const(m_requiredFields))
        complete = complete && isFieldFilled(name);
    m_nextButton->setEnabled(complete);
}

bool FirstRegPage::isFieldFilled(const QString &name) const
{
    const auto *field = findChild<QLineEdit *>(name);
    return field && !field->text().trimmed().isEmpty();
}

bool FirstRegPage::isValidEmail(const QString &text)
{
    if (text.size() < 5)
        return false;
    // Only the "@"s before the first "." that follows one are counted.
    int atSigns = 0;
    int dots = 0;
    for (const QChar character : text) {
        if (dots == 0 && character == QLatin1Char('@'))
            ++atSigns;
        if (atSigns != 0 && character == QLatin1Char('.'))
            ++dots;
    }
    return atSigns == 1 && dots >= 1;
}

bool FirstRegPage::eventFilter(QObject *, QEvent *event)
{
    // A press is the moment to catch up with what was typed or chosen; the
    // press itself goes on to the widget.
    if (event->type() == QEvent::MouseButtonPress)
        updateNextButton();
    return false;
}

void FirstRegPage::reg1NextSignal()
{
    if (!detailsReady())
        return;
    const qint16 result = sendAddress();
    // The window was closed while the service worked: its answer no longer
    // matters.
    if (isVisible())
        followAnswer(result);
}

bool FirstRegPage::detailsReady()
{
    takeRegistrationStack();
    m_secondPage = sibling<SecondRegPage>(ManageWidget::SecondPage);
    if (!isValidEmail(m_emailEdit->text())) {
        m_statusLabel->setMessage(tr("Please enter a valid email address."), StatusLabel::Error);
        m_emailEdit->setFocus(Qt::OtherFocusReason);
        m_emailEdit->selectAll();
        return false;
    }
    return m_unsendable->confirm();
}

qint16 FirstRegPage::sendAddress()
{
    // New records each time: the pages may still hold the earlier ones.
    m_original = QSharedPointer<AddressRecord>::create(address());
    m_corrected = QSharedPointer<AddressRecord>::create();
    m_contact = QSharedPointer<ContactRecord>::create(contact());
    m_sentState = state();
    if (m_secondPage) {
        m_secondPage->setContact(m_contact);
        // Until this address is handed on, the purchase page holds none, so
        // that closing the window never keeps an earlier one in its place.
        m_secondPage->setAddress(nullptr);
    }
    qint16 result = 0;
    m_checking = true;
    whileBusy(tr("Verifying address...."), {m_nextButton},
        [&] { result = m_engine->verifyAddress(RequestText::address(*m_original)); });
    m_checking = false;
    m_statusLabel->clearMessage();
    m_unsendable->update();
    return result;
}

void FirstRegPage::followAnswer(qint16 result)
{
    switch (result) {
    case 0:
        if (m_secondPage)
            m_secondPage->setAddress(m_original);
        showPage(ManageWidget::SecondPage);
        break;
    case 1:
        readCorrection();
        break;
    case 2:
        m_unknownPage = sibling<UnknownRegPage>(ManageWidget::UnknownPage);
        if (m_unknownPage)
            m_unknownPage->setOriginal(m_original);
        showPage(ManageWidget::UnknownPage);
        break;
    default:
        // The check itself failed; the user may simply try again, unless
        // there is no engine to check it.
        m_statusLabel->setMessage(m_engineMissing.isEmpty()
                ? tr("The address could not be verified just now. Please try again.")
                : m_engineMissing,
            StatusLabel::Error);
        break;
    }
}

void FirstRegPage::showSentItems()
{
    const QList<RequestText::Pair> pairs = RequestText::addressPairs(address());
    SentItemsDialog dialog(
        EngineClient::addressParameterText(engineText(RequestText::joined(pairs))), pairs,
        tr("The address check receives the address alone, with the region and the country by "
           "their codes."),
        this);
    dialog.exec();
}

void FirstRegPage::showCountryPopup()
{
    // Each dialog reads the catalogue when it is shown; it is freed as soon
    // as its answer is read.
    m_countryDialog = std::make_unique<CountryDialog>(this);
    if (m_countryButton->isChosen())
        m_countryDialog->setCurrentName(m_countryButton->value());
    m_countryDialog->exec();
    const QString country = m_countryDialog->selectedCountry();
    const QString caption = m_countryDialog->selectedCaption();
    m_countryDialog.reset();
    m_countryButton->setFocus(Qt::OtherFocusReason);

    setCountry(country, caption);
    updateNextButton();
}

void FirstRegPage::onMenuClick()
{
    const auto *item = qobject_cast<QAction *>(sender());
    if (item)
        m_regionButton->setChoice(ChoiceMenu::valueOf(item));
    else
        m_regionButton->clearChoice();
    updateNextButton();
}

QLineEdit *FirstRegPage::addRow(QGridLayout *form, const QString &labelText, const char *objectName,
    const QString &name, bool required)
{
    QLineEdit *field = FormRows::textField(QLatin1String(objectName));
    FormRows::addRow(form, labelText, field, required);
    m_unsendable->watch(field, name);
    if (required) {
        m_requiredFields << field->objectName();
        field->installEventFilter(this);
        // Typing counts at once, so that a user of the keyboard alone is
        // never left with a disabled Next.
        connect(field, &QLineEdit::textChanged, this, &FirstRegPage::updateNextButton);
    }
    return field;
}

ChoiceButton *FirstRegPage::addChoiceRow(
    QGridLayout *form, const QString &labelText, const QString &placeholder, const char *objectName)
{
    auto *button = new ChoiceButton(placeholder);
    button->setObjectName(QLatin1String(objectName));
    // As wide as the text fields around it.
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QLabel *label = FormRows::addRow(form, labelText, button, true);
    // The button's own text is the choice, so the label names it.
    button->setAccessibleName(withoutAccessKey(label->text()));
    button->installEventFilter(this);
    return button;
}

void FirstRegPage::clearRegionMenu()
{
    // The items belong to the page, so clearing the menu alone would keep
    // them.
    qDeleteAll(m_regionMenu->actions());
}

ContactRecord FirstRegPage::contact() const
{
    ContactRecord contact;
    contact.firstName = m_firstNameEdit->text();
    contact.lastName = m_lastNameEdit->text();
    contact.company = m_companyEdit->text();
    contact.department = m_departmentEdit->text();
    contact.emailAddress = m_emailEdit->text();
    contact.phoneNumber = m_phoneEdit->text();
    contact.title = m_titleEdit->text();
    return contact;
}

AddressRecord FirstRegPage::address() const
{
    // Without a country set since start-up there are no codes.
    AddressRecord address;
    address.streetAddress1 = m_street1Edit->text();
    address.streetAddress2 = m_street2Edit->text();
    address.city = m_cityEdit->text();
    address.regionName = m_regionButton->isChosen() ? m_regionButton->value() : QString();
    address.postcode = m_postcodeEdit->text();
    address.countryName = m_countryButton->isChosen() ? m_countryButton->value() : QString();
    if (m_countrySet) {
        const XMLRegStruct catalogue;
        address.regionCode = catalogue.regionCode(address.regionName, address.countryName);
        address.countryCode = catalogue.countryCode(address.countryName);
    }
    return address;
}

QWidget *FirstRegPage::firstControl() const
{
    return m_firstNameEdit;
}

QPushButton *FirstRegPage::forwardButton() const
{
    return m_nextButton;
}

bool FirstRegPage::changedSinceNext() const
{
    return state() != m_sentState;
}

void FirstRegPage::setRegisteredOn(const QDate &date)
{
    if (m_statusLabel->text().isEmpty())
        m_statusLabel->setMessage(tr("This copy was registered on %1.")
                                      .arg(QLocale().toString(date, QLocale::LongFormat)),
            StatusLabel::Information);
}

void FirstRegPage::setRecordRefused()
{
    m_statusLabel->setMessage(tr("Your saved details were not read: another user can change the "
                                 "folder %1 or the files in it.")
                                  .arg(recordFolder()),
        StatusLabel::Warning);
}

void FirstRegPage::setNoteRefused()
{
    m_statusLabel->setMessage(tr("KVB cannot tell whether this copy is registered: another user "
                                 "can change the folder %1 or the files in it.")
                                  .arg(recordFolder()),
        StatusLabel::Warning);
}

QString FirstRegPage::recordFolder()
{
    return QDir::toNativeSeparators(DataFolder::filePath(QStringLiteral("RegData")));
}

void FirstRegPage::setNotRegistered()
{
    m_statusLabel->setMessage(tr("Your details are saved on this computer, but this copy is not "
                                 "registered with the maker yet."),
        StatusLabel::Information);
}

void FirstRegPage::setEngineMissing(const QString &message)
{
    m_engineMissing = message;
    m_statusLabel->setMessage(message, StatusLabel::Error);
}

QStringList FirstRegPage::state() const
{
    QStringList texts;
    for (const QLineEdit *field : findChildren<QLineEdit *>())
        texts << field->text();
    return texts << m_countryButton->value() << m_regionButton->value();
}

void FirstRegPage::readCorrection()
{
    const QString reply = QString::fromLatin1(m_engine->addressReply());
    m_correctPage = sibling<CorrectRegPage>(ManageWidget::CorrectPage);
    if (m_correctPage) {
        if (RequestText::readCorrectedAddress(reply, *m_corrected)) {
            RequestText::keepWhatCouldNotBeSent(*m_original, *m_corrected);
            m_correctPage->setOriginal(m_original);
            m_correctPage->setCorrected(m_corrected);
        } else {
            m_correctPage->setUnreadable();
        }
    }
    showPage(ManageWidget::CorrectPage);
}
