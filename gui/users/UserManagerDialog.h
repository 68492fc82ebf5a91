#pragma once

#include "core/lines/FileStamp.h"
#include "core/users/UserLine.h"
#include "core/users/Validation.h"
#include "gui/documents/WizardState.h"
#include "gui/platform/Ui.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;

namespace Ui {
class UserManagerDialog;
}

namespace vantor {

class UpDownBox;

// Adds, changes and deletes the accounts of the current user file and the
// addresses allowed for each. Every change goes to its file at once; OK only
// closes the dialog, and closing it in any way writes nothing. The title names
// the user file.
class UserManagerDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit UserManagerDialog(WizardState& state, QWidget* parent = nullptr);
    ~UserManagerDialog() override;

    void initDialog() override;
    void accept() override;

private:
    // The number boxes as taken, in the order Tab reaches them.
    struct Numbers {
        std::uint32_t downloadLimit = 0;
        std::uint32_t uploaded = 0;
        std::uint32_t uploadLimit = 0;
        std::uint32_t downloaded = 0;
        std::uint32_t maxLogins = 0;
        std::uint32_t ratio = 0;
    };

    void start();
    void resetValues();
    // `changed`: the account just stored or removed, if any.
    void fillUserBoxes(const std::string& changed = {});
    void fillNameBox(const std::string& changed);
    void refreshUserBoxes();
    void showStoredAccounts(const std::string& changed = {});
    void showSelectedUser(bool reload = true, bool reloadAddresses = true);
    void showAccount(std::string_view line);
    void showAddresses(const std::string& name, bool reload);
    void enableLimitBoxes();

    std::optional<Numbers> takeNumbers();
    std::string selectedName() const;
    UserLine account(const std::string& name, const Numbers& numbers) const;
    bool accountAcceptable(const UserLine& user);
    bool refuse(QWidget* field, InputRule rule);

    void storeAccount(bool underSelectedName);
    void deleteAccount();
    void addAddress();
    void deleteAddress();
    void limitClicked(QCheckBox* check, UpDownBox* box);

    void openFiles();
    void newFiles();
    void save();
    void saveAs();
    bool saveUserFileAs();
    void saveAllowFileAs();
    bool userFileNamed();
    bool allowFileNamed();

    WizardState& state_;
    std::unique_ptr<::Ui::UserManagerDialog> form_;
    // The allowed address list is what the allow file read as at the last
    // reading, not changed since: showing another account needs no reading.
    bool addressesAsRead_ = false;
    // The account shown, with its level and language as its line holds them:
    // stored again under its name, it keeps them where the lists show no item.
    struct Held {
        std::string name;
        int level = kNoLevel;
        std::string language;
    };
    Held held_;
    // The names the Name box shows, as a count and an order-free sum of their
    // hashes, so that a store changes the box by the one name that came or
    // went instead of filling it anew: a refill of 100,000 names costs a sort,
    // and with a screen reader on the whole list is read again.
    struct NamesDigest {
        std::size_t count = 0;
        std::uint64_t sum = 0;
        static NamesDigest of(const TextLineList& lines);
        static std::uint64_t hashOf(const std::string& name);
    };
    NamesDigest shownNames_;
    bool namesShown_ = false;
    // What the group box was last filled from, in that order.
    std::vector<std::string> groupNames_;
};

} // namespace vantor
