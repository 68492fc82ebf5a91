#include "gui/users/UserManagerDialog.h"

#include "core/lines/TextLineList.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFields.h"
#include "core/users/UserFile.h"
#include "core/users/UserLine.h"
#include "gui/documents/DocumentWrites.h"
#include "gui/documents/FileChoice.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/ListHelpers.h"
#include "gui/platform/Messages.h"
#include "gui/platform/NameCompleter.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Tooltip.h"
#include "gui/platform/WriteBack.h"
#include "gui/users/UpDownBox.h"
#include "texts/RuleTexts.h"
#include "ui_UserManagerDialog.h"

#include <QSignalBlocker>

#include <functional>
#include <utility>

namespace vantor {

namespace {

constexpr std::uint32_t kMinSpeed = 1;
constexpr std::uint32_t kMaxSpeed = 5000;
constexpr std::uint32_t kMaxCount = 65535;

QStringList toQtList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts)
        list.push_back(toQt(text));
    return list;
}

// The text of a field as the line holds it; empty when the line lacks it.
std::string fieldText(std::string_view line, UserField field) {
    std::string text;
    ExtractField(static_cast<int>(field), line, text, kUserFieldSeparator);
    return text;
}

// A limit is on when it is not 0.
void showLimit(std::uint32_t limit, QCheckBox* check, UpDownBox* box) {
    check->setChecked(limit != 0);
    pushNumber(box->edit(), limit);
}

// No item is selected for a text the list does not hold.
void selectByText(QComboBox* box, std::optional<std::string_view> text) {
    box->setCurrentIndex(text ? findExact(box, toQt(*text)) : -1);
}

} // namespace

UserManagerDialog::UserManagerDialog(WizardState& state, QWidget* parent)
    : ModalDialog(parent), state_(state), form_(std::make_unique<::Ui::UserManagerDialog>()) {
    form_->setupUi(this);
    layout()->setMenuBar(form_->menuBar);
    // The names are offered in a popup; only a choice there, or in the list,
    // shows an account, so a name typed for "add user" stays as typed.
    offerCompletions(form_->nameCombo, TypedText::Kept);
    // Inline completion would turn a new text typed as the beginning of an
    // existing one into that one; these boxes keep what is typed.
    for (QComboBox* box : {form_->groupCombo, form_->allowIpCombo})
        box->setCompleter(nullptr);

    connect(form_->nameCombo, &QComboBox::currentIndexChanged, this,
            [this] { runFileAction(this, [this] { showSelectedUser(); }); });
    connect(form_->addUserButton, &QPushButton::clicked, this, [this] { storeAccount(false); });
    connect(form_->updateUserButton, &QPushButton::clicked, this, [this] { storeAccount(true); });
    connect(form_->delUserButton, &QPushButton::clicked, this, &UserManagerDialog::deleteAccount);
    connect(form_->addAddressButton, &QPushButton::clicked, this, &UserManagerDialog::addAddress);
    connect(form_->delAddressButton, &QPushButton::clicked, this,
            &UserManagerDialog::deleteAddress);
    const std::pair<QCheckBox*, UpDownBox*> limits[] = {
        {form_->downloadLimitCheck, form_->downloadLimitBox},
        {form_->uploadLimitCheck, form_->uploadLimitBox},
        {form_->maxLoginsCheck, form_->maxLoginsBox},
        {form_->ratioCheck, form_->ratioBox}};
    for (const auto& [check, box] : limits)
        connect(check, &QCheckBox::clicked, this,
                [this, check = check, box = box] { limitClicked(check, box); });
    connect(form_->okButton, &QPushButton::clicked, this, &UserManagerDialog::accept);
    connect(form_->openAction, &QAction::triggered, this, &UserManagerDialog::openFiles);
    connect(form_->newAction, &QAction::triggered, this, &UserManagerDialog::newFiles);
    connect(form_->saveAction, &QAction::triggered, this, &UserManagerDialog::save);
    connect(form_->saveAsAction, &QAction::triggered, this, &UserManagerDialog::saveAs);
}

UserManagerDialog::~UserManagerDialog() = default;

void UserManagerDialog::initDialog() {
    AttachTooltip(form_->levelLabel, loadString(Str::TipLevel));
    AttachTooltip(form_->noteLabel, loadString(Str::TipNote));
    AttachTooltip(form_->allowIpLabel, loadString(Str::TipAllowIp));
    AttachTooltip(form_->allowIpCombo, loadString(Str::TipAllowedRanges));
    AttachTooltip(form_->ratioBox, loadString(Str::TipRatio));
    form_->downloadLimitBox->setRange(kMinSpeed, kMaxSpeed);
    form_->uploadLimitBox->setRange(kMinSpeed, kMaxSpeed);
    form_->maxLoginsBox->setRange(0, kMaxCount);
    form_->ratioBox->setRange(0, kMaxCount);
    runFileAction(this, [this] { start(); });
}

void UserManagerDialog::accept() {
    if (takeNumbers())
        QDialog::accept();
}

// Also what Open and New run once they have set the file names.
void UserManagerDialog::start() {
    addressesAsRead_ = false;
    held_ = {};
    resetValues();
    {
        const QSignalBlocker blocker(form_->nameCombo);
        form_->levelCombo->clear();
        form_->languageCombo->clear();
        form_->allowIpCombo->clear();
        for (const auto& level : kUserLevels)
            form_->levelCombo->addItem(toQt(level.name));
        for (const auto& language : kUserLanguages)
            form_->languageCombo->addItem(toQt(language.displayName));
        // A new account has no level and the default language.
        const UserLine fresh = NewUserLine({});
        form_->levelCombo->setCurrentIndex(-1);
        selectByText(form_->languageCombo, LanguageDisplayName(fresh.language));
        setWindowTitle(toQt(state_.users.path()));
    }
    state_.users.read(this);
    fillUserBoxes();
    // The allowed addresses are those of the allow file just chosen, also
    // while no account is shown, so that nothing saves another file's.
    state_.addresses.read(this);
    addressesAsRead_ = true;
    showSelectedUser(false, false);
}

void UserManagerDialog::resetValues() {
    for (QLineEdit* number : {form_->downloadLimitBox->edit(), form_->uploadLimitBox->edit(),
                              form_->maxLoginsBox->edit(), form_->ratioBox->edit(),
                              form_->uploadedEdit, form_->downloadedEdit})
        number->setText(QStringLiteral("0"));
    form_->groupCombo->setEditText(QString());
    form_->passwordEdit->clear();
    form_->allowIpCombo->setEditText(QString());
    form_->noteEdit->clear();
    form_->accountAllowedCheck->setChecked(NewUserLine({}).accountAllowed);
    enableLimitBoxes();
}

void UserManagerDialog::fillUserBoxes(const std::string& changed) {
    const QSignalBlocker blocker(form_->nameCombo);
    const QString group = form_->groupCombo->currentText();
    fillNameBox(changed);
    // Most changes of an account leave the groups as they were.
    if (std::vector<std::string> groups = ListGroupNames(state_.users.lines());
        groups != groupNames_) {
        fillSorted(form_->groupCombo, toQtList(groups));
        groupNames_ = std::move(groups);
    }
    form_->groupCombo->setEditText(group);
    form_->nameCombo->setCurrentIndex(form_->nameCombo->count() > 0 ? 0 : -1);
    if (form_->nameCombo->count() == 0)
        form_->nameCombo->setEditText(QString());
}

UserManagerDialog::NamesDigest UserManagerDialog::NamesDigest::of(const TextLineList& lines) {
    NamesDigest digest;
    for (const std::string_view line : lines) {
        ++digest.count;
        digest.sum += hashOf(UserNameOf(line));
    }
    return digest;
}

std::uint64_t UserManagerDialog::NamesDigest::hashOf(const std::string& name) {
    return std::hash<std::string>{}(name);
}

// The box changes by the one name stored or removed when the file holds no
// other change: the digest of its names then differs by that name alone.
void UserManagerDialog::fillNameBox(const std::string& changed) {
    const TextLineList& lines = state_.users.lines();
    const NamesDigest now = NamesDigest::of(lines);
    const std::uint64_t hash = NamesDigest::hashOf(changed);
    QComboBox* box = form_->nameCombo;
    if (namesShown_ && now.count == shownNames_.count && now.sum == shownNames_.sum) {
        // The same names: a changed account, or none.
    } else if (namesShown_ && !changed.empty() && now.count == shownNames_.count + 1 &&
               now.sum == shownNames_.sum + hash) {
        addSorted(box, toQt(changed));
    } else if (namesShown_ && !changed.empty() && now.count + 1 == shownNames_.count &&
               now.sum + hash == shownNames_.sum) {
        box->removeItem(findExactSorted(box, toQt(changed)));
    } else {
        fillSorted(box, toQtList(ListUserNames(lines)));
    }
    shownNames_ = now;
    namesShown_ = true;
}

// The account shown afterwards is the first of the sorted names, not
// necessarily the one just changed.
void UserManagerDialog::refreshUserBoxes() {
    state_.users.read(this);
    fillUserBoxes();
    showSelectedUser(false);
}

// Once the user line list holds what the file reads as, and the allowed
// address list what the allow file does.
void UserManagerDialog::showStoredAccounts(const std::string& changed) {
    fillUserBoxes(changed);
    showSelectedUser(false, false);
}

// The lists are read again unless the caller has just read them.
void UserManagerDialog::showSelectedUser(bool reload, bool reloadAddresses) {
    const std::string name = selectedName();
    if (reload)
        state_.users.read(this);
    std::optional<std::string> line;
    for (const auto entry : state_.users.lines()) {
        // Field 1 begins every line: only a line that begins with the name
        // needs the field taken out.
        if (entry.starts_with(name) && UserNameOf(entry) == name) {
            line = std::string(entry);
            break;
        }
    }
    if (!line)
        return;
    showAccount(*line);
    showAddresses(name, reload || reloadAddresses);
    enableLimitBoxes();
}

// Every field is shown from this line alone: one the line lacks shows as the
// core reads it (a flag set, a limit off, a text empty), never as the account
// shown before had it. A level or language that the lists do not hold shows
// no item and is held, for this account only, to be written back as it was.
void UserManagerDialog::showAccount(std::string_view line) {
    const UserLineReading reading = ReadUserLine(line, UserLine{});
    const UserLine& shown = reading.account;
    pushText(form_->passwordEdit, shown.password);
    form_->groupCombo->setEditText(toQt(shown.group));
    held_ = {shown.name, shown.level, shown.language};
    std::optional<std::string_view> levelName;
    // Only the level's own digits name it: "00" is held, not shown as root.
    if (reading.holds(UserField::Level) &&
        fieldText(line, UserField::Level) == std::to_string(shown.level))
        levelName = LevelName(shown.level);
    selectByText(form_->levelCombo, levelName);
    form_->accountAllowedCheck->setChecked(shown.accountAllowed);
    showLimit(shown.downloadLimit, form_->downloadLimitCheck, form_->downloadLimitBox);
    showLimit(shown.uploadLimit, form_->uploadLimitCheck, form_->uploadLimitBox);
    showLimit(shown.ratio, form_->ratioCheck, form_->ratioBox);
    showLimit(shown.maxLogins, form_->maxLoginsCheck, form_->maxLoginsBox);
    form_->ipCheckOffCheck->setChecked(shown.ipCheckOff);
    pushNumber(form_->downloadedEdit, shown.downloaded);
    pushNumber(form_->uploadedEdit, shown.uploaded);
    pushText(form_->noteEdit, shown.note);
    selectByText(form_->languageCombo, LanguageDisplayName(shown.language));
}

void UserManagerDialog::showAddresses(const std::string& name, bool reload) {
    QComboBox* box = form_->allowIpCombo;
    std::vector<std::string> addresses;
    if (reload || !addressesAsRead_) {
        addressesAsRead_ = false;
        state_.addresses.read(this);
        addressesAsRead_ = true;
    }
    addresses = AllowedAddressesOf(state_.addresses.lines(), name);
    fillSorted(box, toQtList(addresses));
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    if (box->count() == 0)
        box->setEditText(QString());
}

void UserManagerDialog::enableLimitBoxes() {
    form_->downloadLimitBox->setEnabled(form_->downloadLimitCheck->isChecked());
    form_->uploadLimitBox->setEnabled(form_->uploadLimitCheck->isChecked());
    form_->maxLoginsBox->setEnabled(form_->maxLoginsCheck->isChecked());
    form_->ratioBox->setEnabled(form_->ratioCheck->isChecked());
}

std::optional<UserManagerDialog::Numbers> UserManagerDialog::takeNumbers() {
    Numbers numbers;
    if (!takeUnsigned(form_->downloadLimitBox->edit(), numbers.downloadLimit) ||
        !takeUnsigned(form_->uploadedEdit, numbers.uploaded) ||
        !takeUnsigned(form_->uploadLimitBox->edit(), numbers.uploadLimit) ||
        !takeUnsigned(form_->downloadedEdit, numbers.downloaded) ||
        !takeUnsigned(form_->maxLoginsBox->edit(), numbers.maxLogins) ||
        !takeUnsigned(form_->ratioBox->edit(), numbers.ratio))
        return std::nullopt;
    return numbers;
}

std::string UserManagerDialog::selectedName() const {
    const QComboBox* box = form_->nameCombo;
    return box->currentIndex() >= 0 ? toBytes(box->itemText(box->currentIndex())) : std::string();
}

// What a box shows no item for is the account's own value when the account
// is the one shown, and a new account's otherwise.
UserLine UserManagerDialog::account(const std::string& name, const Numbers& numbers) const {
    UserLine user = NewUserLine(name);
    if (name == held_.name) {
        user.level = held_.level;
        user.language = held_.language;
    }
    if (form_->levelCombo->currentIndex() >= 0)
        user.level = LevelNumber(toBytes(form_->levelCombo->currentText())).value_or(kNoLevel);
    user.password = toBytes(form_->passwordEdit->text());
    user.group = toBytes(form_->groupCombo->currentText());
    user.accountAllowed = form_->accountAllowedCheck->isChecked();
    // A limit that is off is stored as 0, whatever its box still shows.
    const auto limit = [](const QCheckBox* check, std::uint32_t value) {
        return check->isChecked() ? value : 0u;
    };
    user.downloadLimit = limit(form_->downloadLimitCheck, numbers.downloadLimit);
    user.uploadLimit = limit(form_->uploadLimitCheck, numbers.uploadLimit);
    user.ratio = limit(form_->ratioCheck, numbers.ratio);
    user.maxLogins = limit(form_->maxLoginsCheck, numbers.maxLogins);
    user.ipCheckOff = form_->ipCheckOffCheck->isChecked();
    user.downloaded = numbers.downloaded;
    user.uploaded = numbers.uploaded;
    user.note = toBytes(form_->noteEdit->text());
    if (form_->languageCombo->currentIndex() >= 0)
        user.language = std::string(LanguageCode(toBytes(form_->languageCombo->currentText()))
                                        .value_or(std::string_view()));
    return user;
}

bool UserManagerDialog::refuse(QWidget* field, InputRule rule) {
    showError(this, inputRuleText(rule));
    field->setFocus();
    return false;
}

// Checked here, before the core would refuse it, to name the field at fault.
bool UserManagerDialog::accountAcceptable(const UserLine& user) {
    if (const InputRule rule = CheckUserName(user.name); rule != InputRule::Ok)
        return refuse(form_->nameCombo, rule);
    const std::pair<const std::string*, QWidget*> texts[] = {{&user.password, form_->passwordEdit},
                                                             {&user.group, form_->groupCombo},
                                                             {&user.note, form_->noteEdit}};
    for (const auto& [text, field] : texts)
        if (const InputRule rule = CheckUserTextField(*text); rule != InputRule::Ok)
            return refuse(field, rule);
    // What is left is the length of the whole line; the note is the text most
    // likely to make it long.
    if (const InputRule rule = CheckUserLine(user); rule != InputRule::Ok)
        return refuse(form_->noteEdit, rule);
    return true;
}

// "add user" stores under the typed name, "update user" under the selected
// one, so that an account can be changed without retyping its name.
void UserManagerDialog::storeAccount(bool underSelectedName) {
    const auto numbers = takeNumbers();
    if (!numbers)
        return;
    const std::string name =
        underSelectedName ? selectedName() : toBytes(form_->nameCombo->currentText());
    const UserLine user = account(name, *numbers);
    if (!accountAcceptable(user) || !userFileNamed())
        return;
    runFileAction(this, [&] {
        if (::vantor::storeAccount(this, state_.users, user))
            showStoredAccounts(user.name);
    });
}

// The account's addresses stay in the allowed address file.
void UserManagerDialog::deleteAccount() {
    if (!takeNumbers() || !userFileNamed())
        return;
    const std::string name = toBytes(form_->nameCombo->currentText());
    runFileAction(this, [&] {
        if (removeAccount(this, state_.users, name))
            showStoredAccounts(name);
    });
}

void UserManagerDialog::addAddress() {
    if (!takeNumbers())
        return;
    const std::string name = selectedName();
    const std::string address = toBytes(form_->allowIpCombo->currentText());
    if (address.empty())
        return;
    if (const InputRule rule = CheckUserName(name); rule != InputRule::Ok) {
        refuse(form_->nameCombo, rule);
        return;
    }
    if (const InputRule rule = CheckAllowedAddress(address); rule != InputRule::Ok) {
        refuse(form_->allowIpCombo, rule);
        return;
    }
    if (!allowFileNamed())
        return;
    runFileAction(this, [&] {
        if (!::vantor::addAddress(this, state_.addresses, name, address))
            return;
        // A reading would order the entries otherwise.
        addressesAsRead_ = false;
        addSorted(form_->allowIpCombo, toQt(address));
        form_->allowIpCombo->setCurrentIndex(0);
    });
}

// Only an entry of the shown account can go, and the box loses it only once
// the file has: an address for every account, or one typed only in part,
// stays listed because it stays in force.
void UserManagerDialog::deleteAddress() {
    if (!takeNumbers())
        return;
    const std::string name = selectedName();
    const std::string address = toBytes(form_->allowIpCombo->currentText());
    if (!address.empty()) {
        if (!allowFileNamed())
            return;
        const bool held = state_.addresses.lines().contains(AllowedEntry(name, address));
        bool removed = false;
        runFileAction(this, [&] {
            if (!removeAddress(this, state_.addresses, name, address))
                return;
            addressesAsRead_ = false;
            removed = true;
        });
        if (!removed)
            return;
        if (const int index = findExact(form_->allowIpCombo, toQt(address)); held && index >= 0) {
            const QSignalBlocker blocker(form_->allowIpCombo);
            form_->allowIpCombo->removeItem(index);
        }
    }
    form_->allowIpCombo->setEditText(QString());
}

void UserManagerDialog::limitClicked(QCheckBox* check, UpDownBox* box) {
    if (!check->isChecked())
        box->edit()->setText(QStringLiteral("0"));
    box->setEnabled(check->isChecked());
}

// A cancel at the second question leaves the new user file name in place,
// while the dialog still shows the accounts of the old one.
// Both names are taken only once both are answered: the accounts shown stay
// those of the previous file, and a Save under the new name would overwrite
// its accounts with them.
void UserManagerDialog::openFiles() {
    const auto userFile = AskForDefinitionFile(this, kUserFileKind);
    if (!userFile)
        return;
    const auto allowFile = AskForDefinitionFile(this, kAllowFileKind);
    if (!allowFile)
        return;
    state_.users.open(*userFile);
    state_.addresses.open(*allowFile);
    runFileAction(this, [this] { start(); });
}

// The allowed addresses go too, so that a later "Save as" cannot carry the
// previous file's addresses into the new file.
void UserManagerDialog::newFiles() {
    state_.users.close();
    state_.addresses.close();
    for (QCheckBox* flag : {form_->downloadLimitCheck, form_->uploadLimitCheck,
                            form_->maxLoginsCheck, form_->ratioCheck, form_->ipCheckOffCheck})
        flag->setChecked(false);
    {
        const QSignalBlocker blocker(form_->nameCombo);
        form_->nameCombo->setEditText(QString());
    }
    runFileAction(this, [this] { start(); });
}

// Written also when the list is empty: here the user asked for it. Accounts
// another program stored since the list was read are not dropped unasked.
// Without a name, as after New, Save is Save as.
void UserManagerDialog::save() {
    if (!state_.users.named()) {
        userFileNamed();
        return;
    }
    runFileAction(this, [this] {
        Document& users = state_.users;
        if (::vantor::save(this, users, users.lines(), Str::AccountsChangedQuestion) ==
            WriteBack::Reload)
            showStoredAccounts();
    });
}

// The title keeps the previous name. A name is taken once its file is written.
void UserManagerDialog::saveAs() {
    if (saveUserFileAs())
        saveAllowFileAs();
}

bool UserManagerDialog::saveUserFileAs() {
    const auto userFile = AskForDefinitionFile(this, kUserFileKind, FileRequest::Kind::Save);
    if (!userFile)
        return false;
    bool written = false;
    runFileAction(this, [&] {
        Document& users = state_.users;
        written = ::vantor::saveAs(this, users, *userFile, users.lines(),
                                   Str::AccountsChangedQuestion) == WriteBack::Written;
    });
    return written;
}

void UserManagerDialog::saveAllowFileAs() {
    const auto allowFile = AskForDefinitionFile(this, kAllowFileKind, FileRequest::Kind::Save);
    if (!allowFile)
        return;
    runFileAction(this, [&] {
        Document& addresses = state_.addresses;
        ::vantor::saveAs(this, addresses, *allowFile, addresses.lines(),
                         Str::AccountsChangedQuestion);
        addressesAsRead_ = false;
    });
}

// After New no file is named: a change is not lost to an unnamed file, the
// user is told and asked for the names as Save as asks, and the change goes
// on only once the file it goes to has one.
bool UserManagerDialog::userFileNamed() {
    if (state_.users.named())
        return true;
    showError(this, Str::FileNameEmpty);
    saveAs();
    return state_.users.named();
}

bool UserManagerDialog::allowFileNamed() {
    if (state_.addresses.named())
        return true;
    showError(this, Str::FileNameEmpty);
    saveAllowFileAs();
    return state_.addresses.named();
}

} // namespace vantor
