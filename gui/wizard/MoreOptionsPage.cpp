#include "gui/wizard/MoreOptionsPage.h"

#include "core/server/DesignKeys.h"
#include "gui/platform/DataExchange.h"
#include "gui/platform/Tooltip.h"
#include "gui/wizard/BasicOptionsPage.h"
#include "gui/wizard/UsersIntroPage.h"
#include "texts/Strings.h"
#include "ui_MoreOptionsPage.h"

namespace vantor {

namespace {

constexpr std::int32_t kCheckBeforeLogin = 1;
constexpr std::int32_t kCheckAfterLogin = 2;

} // namespace

MoreOptionsPage::MoreOptionsPage(WizardState& state, QWidget* parent)
    : WizardPage(state, parent), form_(std::make_unique<::Ui::MoreOptionsPage>()) {
    form_->setupUi(this);
    connect(form_->nextButton, &QPushButton::clicked, this, &MoreOptionsPage::next);
    connect(form_->backButton, &QPushButton::clicked, this, &MoreOptionsPage::back);
    connect(form_->cancelButton, &QPushButton::clicked, this, &MoreOptionsPage::endProcess);
    // The check mode is stored at the click, not with the rest of the page.
    connect(form_->checkBeforeLoginRadio, &QRadioButton::clicked, this,
            [this] { design().ipCheckMode = kCheckBeforeLogin; });
    connect(form_->checkAfterLoginRadio, &QRadioButton::clicked, this,
            [this] { design().ipCheckMode = kCheckAfterLogin; });
}

MoreOptionsPage::~MoreOptionsPage() = default;

void MoreOptionsPage::initDialog() {
    AttachTooltip(form_->dataPortRangeCheck, loadString(Str::TipPasvPortRange));
    AttachTooltip(form_->pasvIpRollingCheck, loadString(Str::TipPasvIpRolling));
    AttachTooltip(form_->checkDataIpCheck, loadString(Str::TipCheckDataIp));
    AttachTooltip(form_->checkAfterLoginRadio, loadString(Str::TipCheckAfterLogin));
    AttachTooltip(form_->checkBeforeLoginRadio, loadString(Str::TipCheckBeforeLogin));
    showRecord();
}

void MoreOptionsPage::reject() {
    back();
}

void MoreOptionsPage::showRecord() {
    const ServerDesign& record = design();
    form_->checkBeforeLoginRadio->setChecked(record.ipCheckMode == kCheckBeforeLogin);
    form_->checkAfterLoginRadio->setChecked(record.ipCheckMode == kCheckAfterLogin);
    form_->idleTimeoutCheck->setChecked(record.useIdleTimeout);
    form_->checkDataIpCheck->setChecked(record.checkDataIp);
    form_->dataPortRangeCheck->setChecked(record.useDataPortRange);
    form_->pasvIpRollingCheck->setChecked(record.pasvIpRolling);
    pushNumber(form_->dataPortFromEdit, record.dataPortFrom);
    pushNumber(form_->dataPortToEdit, record.dataPortTo);
    pushNumber(form_->idleTimeoutEdit, record.idleTimeout);
}

bool MoreOptionsPage::storeControls() {
    std::uint32_t portFrom = 0;
    std::uint32_t portTo = 0;
    std::int32_t idleSeconds = 0;
    // The seconds are checked even when the time-out is off: a bad value keeps
    // the page open either way.
    if (!takeUnsigned(form_->dataPortFromEdit, portFrom) ||
        !takeUnsigned(form_->dataPortToEdit, portTo) ||
        !takeIntInRange(form_->idleTimeoutEdit, kMinIdleSeconds, kMaxIdleSeconds, idleSeconds))
        return false;

    ServerDesign& record = design();
    record.useIdleTimeout = form_->idleTimeoutCheck->isChecked();
    record.checkDataIp = form_->checkDataIpCheck->isChecked();
    record.useDataPortRange = form_->dataPortRangeCheck->isChecked();
    record.pasvIpRolling = form_->pasvIpRollingCheck->isChecked();
    // An option that is off keeps its last numbers for the next time it is on.
    if (record.useDataPortRange) {
        record.dataPortFrom = portFrom;
        record.dataPortTo = portTo;
    }
    if (record.useIdleTimeout)
        record.idleTimeout = idleSeconds;
    return true;
}

void MoreOptionsPage::next() {
    if (storeControls())
        handOverTo<UsersIntroPage>();
}

void MoreOptionsPage::back() {
    if (storeControls())
        handOverTo<BasicOptionsPage>();
}

} // namespace vantor
