#include "users/AllowFile.h"

#include "users/Validation.h"

#include <utility>

namespace vantor {

std::string AllowedEntry(const std::string& user, const std::string& address) {
    return user + kAllowedEntrySeparator + address;
}

std::vector<std::string> LoadAllowedAddresses(const std::string& allowFile, TextLineList& allowed,
                                              const std::string& user) {
    allowed.clear();
    ReadLineList(allowFile, allowed);
    std::vector<std::string> addresses;
    std::string part;
    for (const auto& entry : allowed) {
        if (entry.find(kAllowedEntrySeparator) == std::string::npos) {
            addresses.emplace_back(entry);
            continue;
        }
        // An entry whose only '@' ends it is a single field: its user part is
        // the whole entry and it has no address.
        ExtractField(0, entry, part, kAllowedEntrySeparator);
        if (part == user && ExtractField(1, entry, part, kAllowedEntrySeparator))
            addresses.push_back(part);
    }
    return addresses;
}

bool AddAllowedAddress(const std::string& allowFile, TextLineList& allowed, const std::string& user,
                       const std::string& address) {
    if (address.empty())
        return false;
    if (const InputRule rule = CheckAllowedEntry(user, address); rule != InputRule::Ok)
        throw InvalidInput(rule);
    const std::string entry = AllowedEntry(user, address);
    if (allowed.contains(entry))
        return false;
    TextLineList changed = allowed;
    changed.append(entry);
    WriteLineList(changed, allowFile);
    allowed = std::move(changed);
    return true;
}

void RemoveAllowedAddress(const std::string& allowFile, TextLineList& allowed,
                          const std::string& user, const std::string& address) {
    if (address.empty())
        return;
    TextLineList changed = allowed;
    changed.remove(AllowedEntry(user, address));
    WriteLineList(changed, allowFile);
    allowed = std::move(changed);
}

bool SaveAllowedAddressList(const TextLineList& allowed, const std::string& allowFile) {
    if (allowed.empty())
        return false;
    WriteLineList(allowed, allowFile);
    return true;
}

} // namespace vantor
