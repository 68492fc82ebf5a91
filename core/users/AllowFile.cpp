#include "core/users/AllowFile.h"

#include "core/lines/WholeFile.h"
#include "core/users/Validation.h"

#include <algorithm>

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

namespace {

// The file's bytes for the list, with `skipped` left out and `appended` added
// at the end when they are given: the list itself changes only once the file
// holds the result.
std::string entriesWith(const TextLineList& allowed, TextLineList::const_iterator skipped,
                        std::string_view appended) {
    std::size_t total = appended.empty() ? 0 : appended.size() + 2;
    for (std::string_view entry : allowed)
        total += entry.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (auto entry = allowed.begin(); entry != allowed.end(); ++entry) {
        if (entry == skipped)
            continue;
        bytes += *entry;
        bytes += "\r\n";
    }
    if (!appended.empty()) {
        bytes += appended;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

bool AddAllowedAddress(const std::string& allowFile, TextLineList& allowed, const std::string& user,
                       const std::string& address) {
    if (address.empty())
        return false;
    if (const InputRule rule = CheckAllowedEntry(user, address); rule != InputRule::Ok)
        throw InvalidInput(rule);
    const std::string entry = AllowedEntry(user, address);
    if (allowed.contains(entry))
        return false;
    WriteFileAtomically(allowFile, entriesWith(allowed, allowed.end(), entry));
    allowed.append(entry);
    return true;
}

void RemoveAllowedAddress(const std::string& allowFile, TextLineList& allowed,
                          const std::string& user, const std::string& address) {
    if (address.empty())
        return;
    const std::string entry = AllowedEntry(user, address);
    auto found = allowed.end();
    if (allowed.contains(entry))
        found = std::find(allowed.begin(), allowed.end(), entry);
    WriteFileAtomically(allowFile, entriesWith(allowed, found, {}));
    if (found != allowed.end())
        allowed.erase(found);
}

bool SaveAllowedAddressList(const TextLineList& allowed, const std::string& allowFile) {
    if (allowed.empty())
        return false;
    WriteLineList(allowed, allowFile);
    return true;
}

} // namespace vantor
