#include "gui/wizard/BasicOptionsPage.h"

#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/DefinitionFiles.h"
#include "core/server/DesignKeys.h"
#include "core/vfs/VfsValidation.h"
#include "gui/platform/AboutDialog.h"
#include "gui/platform/ApplicationIcon.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/FolderBrowser.h"
#include "gui/platform/ListHelpers.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Tooltip.h"
#include "gui/wizard/MoreOptionsPage.h"
#include "texts/RuleTexts.h"
#include "ui_BasicOptionsPage.h"

namespace vantor {

BasicOptionsPage::BasicOptionsPage(WizardState& state, QWidget* parent, AddressLookup lookup)
    : WizardPage(state, parent), form_(std::make_unique<::Ui::BasicOptionsPage>()),
      lookup_(std::move(lookup)) {
    form_->setupUi(this);
    connect(form_->nextButton, &QPushButton::clicked, this, &BasicOptionsPage::next);
    connect(form_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(form_->checkPortButton, &QPushButton::clicked, this, &BasicOptionsPage::checkPort);
    connect(form_->browseButton, &QPushButton::clicked, this, &BasicOptionsPage::browse);
}

BasicOptionsPage::~BasicOptionsPage() = default;

void BasicOptionsPage::initDialog() {
    addAboutEntry(this);
    setWindowIcon(applicationIcon());
    AttachTooltip(form_->serverNameLabel, loadString(Str::TipServerName));
    AttachTooltip(form_->serverPortLabel, loadString(Str::TipServerPort));
    AttachTooltip(form_->rootDirectoryLabel, loadString(Str::TipRootDirectory));
    AttachTooltip(form_->serverIpLabel, loadString(Str::TipServerIp));
    fillAddresses();
    resetFileNames();
    showRecord();
}

void BasicOptionsPage::fillAddresses() {
    QComboBox* box = form_->serverIpCombo;
    for (int index = 0;; ++index) {
        const std::uint32_t address = lookup_(index);
        if (address == 0)
            break;
        if (address == kNoLocalAddress) {
            // A half-filled list would offer addresses of a lookup that failed.
            box->clear();
            break;
        }
        addSorted(box, toQt(addressText(address)));
        box->setCurrentIndex(box->count() - 1);
    }
    const int stored = findExact(box, toQt(design().serverIp));
    if (stored >= 0)
        box->setCurrentIndex(stored);
}

void BasicOptionsPage::resetFileNames() {
    std::string directory;
    if (!currentDirectoryFor(this, directory))
        return;
    // A name too long for its field is refused, and the previous one stays.
    // The users page reads the user file it settles on; the allowed addresses
    // of another file are not carried into this one.
    if (std::string name = JoinPath(directory, kDefaultUserFileName); checkPathUsable(this, name))
        state().users.open(name);
    if (std::string name = JoinPath(directory, kDefaultAllowFileName); checkPathUsable(this, name))
        state().addresses.open(name);
}

void BasicOptionsPage::showRecord() {
    const ServerDesign& record = design();
    pushText(form_->serverNameEdit, record.serverName);
    pushNumber(form_->listenPortEdit, record.listenPort);
    form_->autoChooseCheck->setChecked(record.autoChooseIp);
    pushText(form_->rootDirectoryEdit, record.rootDirectory);
    form_->allowAnonymousCheck->setChecked(record.allowAnonymous);
    form_->anonymousMaxCheck->setChecked(record.useAnonymousMax);
    form_->userMaxCheck->setChecked(record.useUserMax);
    form_->maxPerIpCheck->setChecked(record.useMaxPerIp);
    pushNumber(form_->anonymousMaxEdit, record.anonymousMax);
    pushNumber(form_->userMaxEdit, record.userMax);
    pushNumber(form_->maxPerIpEdit, record.maxPerIp);
}

std::optional<BasicOptionsPage::Fields> BasicOptionsPage::takeFields() {
    Fields fields;
    // A pasted line break would split the configuration file's line, and a
    // "|" in the root directory the root mount point's line.
    if (!takeText(form_->serverNameEdit, kMaxServerNameLength, fields.serverName))
        return std::nullopt;
    if (HasLineBreak(fields.serverName) || HasEndOfFileByte(fields.serverName)) {
        refuseText(form_->serverNameEdit,
                   loadString(HasLineBreak(fields.serverName) ? Str::ServerNameLineBreak
                                                              : Str::TextEndByte));
        return std::nullopt;
    }
    if (!takeUnsigned(form_->listenPortEdit, fields.listenPort) ||
        !takeText(form_->rootDirectoryEdit, static_cast<int>(kMaxPathLength), fields.rootDirectory))
        return std::nullopt;
    if (const auto rule = CheckMountPointField(fields.rootDirectory); rule != MountPointRule::Ok) {
        refuseText(form_->rootDirectoryEdit, rule == MountPointRule::FieldHasEndByte
                                                 ? mountPointRuleText(rule)
                                                 : loadString(Str::RootDirectoryBadCharacter));
        return std::nullopt;
    }
    // The box counts characters, the record holds bytes.
    if (!checkPathUsable(this, fields.rootDirectory)) {
        form_->rootDirectoryEdit->setFocus();
        return std::nullopt;
    }
    if (!takeUnsignedInRange(form_->anonymousMaxEdit, kMinUserCount, kMaxUserCount,
                             fields.anonymousMax) ||
        !takeUnsignedInRange(form_->userMaxEdit, kMinUserCount, kMaxUserCount, fields.userMax) ||
        !takeUnsignedInRange(form_->maxPerIpEdit, kMinUserCount, kMaxUserCount, fields.maxPerIp))
        return std::nullopt;
    return fields;
}

void BasicOptionsPage::store(const Fields& fields) {
    ServerDesign& record = design();
    record.serverName = fields.serverName;
    record.listenPort = fields.listenPort;
    record.autoChooseIp = form_->autoChooseCheck->isChecked();
    record.rootDirectory = fields.rootDirectory;
    // Only a listed address is taken: with none selected the stored one stays.
    if (form_->serverIpCombo->currentIndex() >= 0)
        record.serverIp = toBytes(form_->serverIpCombo->currentText());
    record.allowAnonymous = form_->allowAnonymousCheck->isChecked();
    record.useAnonymousMax = form_->anonymousMaxCheck->isChecked();
    record.useUserMax = form_->userMaxCheck->isChecked();
    record.useMaxPerIp = form_->maxPerIpCheck->isChecked();
    record.anonymousMax = fields.anonymousMax;
    record.userMax = fields.userMax;
    record.maxPerIp = fields.maxPerIp;
}

bool BasicOptionsPage::rootDirectoryUsable(const std::string& path) {
    if (path.empty()) {
        showError(this, Str::RootDirectoryEmpty);
        return false;
    }
    if (!SECFileSystem().DirectoryExists(path)) {
        showError(this, Str::RootDirectoryMissing);
        return false;
    }
    return true;
}

void BasicOptionsPage::next() {
    const auto fields = takeFields();
    if (!fields)
        return;
    // Stored before the root directory is checked: a refused directory still
    // leaves the other values in the record.
    store(*fields);
    if (!rootDirectoryUsable(fields->rootDirectory))
        return;
    handOverTo<MoreOptionsPage>();
}

void BasicOptionsPage::checkPort() {
    const auto fields = takeFields();
    if (!fields)
        return;
    form_->portResultEdit->setText(
        loadString(isPortFree(fields->listenPort) ? Str::PortFree : Str::PortUsed));
}

void BasicOptionsPage::browse() {
    BrowseForFolder(this, form_->rootDirectoryEdit);
}

} // namespace vantor
