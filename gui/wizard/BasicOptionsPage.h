#pragma once

#include "core/server/NetworkProbes.h"
#include "gui/wizard/WizardPage.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class BasicOptionsPage;
}

namespace vantor {

// The wizard's first page: the server's name, port, address, root directory and
// connection limits. Next stores them and goes on to the more options page;
// Cancel, Escape and the close box end the wizard with nothing stored.
class BasicOptionsPage : public WizardPage {
    Q_OBJECT
public:
    // Where the page learns the machine's addresses: localAddress on the
    // desktop, a stand-in where a test needs addresses of its own.
    using AddressLookup = std::function<std::uint32_t(int index)>;

    explicit BasicOptionsPage(WizardState& state, QWidget* parent = nullptr,
                              AddressLookup lookup = localAddress);
    ~BasicOptionsPage() override;

    void initDialog() override;

private:
    // The text boxes as taken, before anything is stored.
    struct Fields {
        std::string serverName;
        std::uint32_t listenPort = 0;
        std::string rootDirectory;
        std::uint32_t anonymousMax = 0;
        std::uint32_t userMax = 0;
        std::uint32_t maxPerIp = 0;
    };

    void fillAddresses();
    void resetFileNames();
    void showRecord();
    std::optional<Fields> takeFields();
    void store(const Fields& fields);
    bool rootDirectoryUsable(const std::string& path);

    void next();
    void checkPort();
    void browse();

    std::unique_ptr<::Ui::BasicOptionsPage> form_;
    AddressLookup lookup_;
};

} // namespace vantor
