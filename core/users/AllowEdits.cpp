#include "core/users/AllowEdits.h"

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
                     const std::string& address, const WriteConsent& consent) {
    // The dialog passes over an empty address in silence; asked for one
    // explicitly, it is a malformed one.
    if (const InputRule rule =
            user.empty() ? CheckAllowedAddress(address) : CheckAllowedEntry(user, address);
        rule != InputRule::Ok)
        throw InvalidInput(rule);
    const std::string entry = user.empty() ? address : AllowedEntry(user, address);
    FileChange file(allowFile, LineFileChange(consent));
    TextLineList allowed = ListRead(file);
    if (allowed.contains(entry))
        return false;
    allowed.append(entry);
    file.write(LineListBytes(allowed));
    return true;
}

bool RemoveAllowedEntry(const std::string& allowFile, const std::string& user,
                        const std::string& address, const WriteConsent& consent) {
    const std::string entry = user.empty() ? address : AllowedEntry(user, address);
    if (address.empty())
        return false;
    FileChange file(allowFile, LineFileChange(consent));
    TextLineList allowed = ListRead(file);
    if (!allowed.remove(entry))
        return false;
    file.write(LineListBytes(allowed));
    return true;
}

namespace {

struct Kept {
    std::size_t removed = 0;
    std::string bytes;
};

Kept withoutEntriesOf(const FileChange& allowFile, const std::string& user) {
    const TextLineList allowed = ListRead(allowFile);
    TextLineList kept;
    kept.reserve(allowed.size());
    Kept result;
    for (const std::string_view entry : allowed) {
        if (SplitAllowedEntry(entry).user == user)
            ++result.removed;
        else
            kept.append(entry);
    }
    result.bytes = LineListBytes(kept);
    return result;
}

} // namespace

std::optional<std::string> AllowFileWithoutEntriesOf(const FileChange& allowFile,
                                                     const std::string& user) {
    Kept kept = withoutEntriesOf(allowFile, user);
    if (kept.removed == 0)
        return std::nullopt;
    return std::move(kept.bytes);
}

std::size_t RemoveAllowedEntriesOf(const std::string& allowFile, const std::string& user,
                                   const WriteConsent& consent) {
    FileChange file(allowFile, LineFileChange(consent));
    const Kept kept = withoutEntriesOf(file, user);
    if (kept.removed > 0)
        file.write(kept.bytes);
    return kept.removed;
}

} // namespace vantor
