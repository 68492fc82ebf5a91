#include "core/users/AllowEdits.h"

#include "core/lines/FileLock.h"
#include "core/users/AllowFile.h"
#include "core/users/Validation.h"

namespace vantor {

AllowedEntryParts SplitAllowedEntry(std::string_view entry) {
    AllowedEntryParts parts;
    if (entry.find(kAllowedEntrySeparator) == std::string_view::npos) {
        parts.address = std::string(entry);
        return parts;
    }
    std::string field;
    ExtractField(0, entry, field, kAllowedEntrySeparator);
    parts.user = field;
    if (ExtractField(1, entry, field, kAllowedEntrySeparator))
        parts.address = field;
    return parts;
}

bool AddressAdmits(std::string_view entryAddress, std::string_view address) {
    if (!entryAddress.empty() && entryAddress.back() == '.')
        return address.starts_with(entryAddress);
    return entryAddress == address;
}

bool AddAllowedEntry(const std::string& allowFile, const std::string& user,
                     const std::string& address) {
    // The dialog passes over an empty address in silence; asked for one
    // explicitly, it is a malformed one.
    if (const InputRule rule =
            user.empty() ? CheckAllowedAddress(address) : CheckAllowedEntry(user, address);
        rule != InputRule::Ok)
        throw InvalidInput(rule);
    const FolderLock lock(allowFile);
    TextLineList allowed;
    ReadLineList(allowFile, allowed);
    if (!user.empty())
        return AddAllowedAddress(allowFile, allowed, user, address);
    if (allowed.contains(address))
        return false;
    allowed.append(address);
    WriteLineList(allowed, allowFile);
    return true;
}

bool RemoveAllowedEntry(const std::string& allowFile, const std::string& user,
                        const std::string& address) {
    const FolderLock lock(allowFile);
    TextLineList allowed;
    ReadLineList(allowFile, allowed);
    const std::string entry = user.empty() ? address : AllowedEntry(user, address);
    if (address.empty() || !allowed.contains(entry))
        return false;
    if (!user.empty()) {
        RemoveAllowedAddress(allowFile, allowed, user, address);
    } else {
        allowed.remove(entry);
        WriteLineList(allowed, allowFile);
    }
    return true;
}

std::size_t RemoveAllowedEntriesOf(const std::string& allowFile, const std::string& user) {
    const FolderLock lock(allowFile);
    TextLineList allowed;
    ReadLineList(allowFile, allowed);
    TextLineList kept;
    kept.reserve(allowed.size());
    std::size_t removed = 0;
    for (const std::string_view entry : allowed) {
        if (SplitAllowedEntry(entry).user == user)
            ++removed;
        else
            kept.append(entry);
    }
    if (removed > 0)
        WriteLineList(kept, allowFile);
    return removed;
}

} // namespace vantor
