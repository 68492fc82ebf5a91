#include "core/users/AllowFile.h"

#include "core/users/Validation.h"

#include <utility>

namespace vantor {

std::string AllowedEntry(const std::string& user, const std::string& address) {
    return user + kAllowedEntrySeparator + address;
}

ReadingLoss LoadAllowedAddressList(const std::string& allowFile, TextLineList& allowed) {
    allowed.clear();
    return ReadLineList(allowFile, allowed);
}

std::vector<std::string> LoadAllowedAddresses(const std::string& allowFile, TextLineList& allowed,
                                              const std::string& user) {
    LoadAllowedAddressList(allowFile, allowed);
    return AllowedAddressesOf(allowed, user);
}

std::vector<std::string> AllowedAddressesOf(const TextLineList& allowed, const std::string& user) {
    std::vector<std::string> addresses;
    std::string part;
    for (const auto& entry : allowed) {
        if (entry.find(kAllowedEntrySeparator) == std::string::npos) {
            addresses.emplace_back(entry);
            continue;
        }
        // The user part begins the entry, so only an entry that begins with
        // the name needs it taken out. An entry whose only '@' ends it is a
        // single field: its user part is the whole entry and it has no address.
        if (!entry.starts_with(user))
            continue;
        ExtractField(0, entry, part, kAllowedEntrySeparator);
        if (part == user && ExtractField(1, entry, part, kAllowedEntrySeparator))
            addresses.push_back(part);
    }
    return addresses;
}

bool AddAllowedAddress(const std::string& allowFile, TextLineList& allowed, const std::string& user,
                       const std::string& address, const WriteConsent& consent) {
    if (address.empty())
        return false;
    if (const InputRule rule = CheckAllowedEntry(user, address); rule != InputRule::Ok)
        throw InvalidInput(rule);
    const std::string entry = AllowedEntry(user, address);
    FileChange file(allowFile, LineFileChange(consent));
    TextLineList current = ListRead(file);
    const bool added = !current.contains(entry);
    if (added) {
        current.append(entry);
        file.write(LineListBytes(current));
    }
    allowed = std::move(current);
    return added;
}

void RemoveAllowedAddress(const std::string& allowFile, TextLineList& allowed,
                          const std::string& user, const std::string& address,
                          const WriteConsent& consent) {
    if (address.empty())
        return;
    FileChange file(allowFile, LineFileChange(consent));
    TextLineList current = ListRead(file);
    current.remove(AllowedEntry(user, address));
    file.write(LineListBytes(current));
    allowed = std::move(current);
}

bool SaveAllowedAddressList(const TextLineList& allowed, const std::string& allowFile) {
    if (allowed.empty())
        return false;
    WriteLineList(allowed, allowFile);
    return true;
}

} // namespace vantor
