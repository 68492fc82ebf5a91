#pragma once

#include "core/lines/FileChange.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// An entry of a *.allow file taken apart: an address alone applies to every
// account, "%s@%s" to the account named before the "@". An entry whose only
// "@" ends it has no address part.
struct AllowedEntryParts {
    std::optional<std::string> user; // none: the entry applies to every account
    std::optional<std::string> address;
};
AllowedEntryParts SplitAllowedEntry(std::string_view entry);

// True when the entry's address admits a client address, as the server
// compares them: a full address equal to it, or a prefix ending in "." that
// it begins with.
bool AddressAdmits(std::string_view entryAddress, std::string_view address);

// Adds or removes one entry, holding the folder's lock from the reading to
// the write. An empty `user` stands for the entry without a user part, which
// applies to every account. The entry of an account is written exactly as the
// account dialog writes it (AddAllowedAddress, RemoveAllowedAddress). False,
// with nothing written, when the entry is there already (add) or is not there
// (remove). InvalidInput when the user name or the address breaks its rule;
// FileError when the file cannot be read or written.
bool AddAllowedEntry(const std::string& allowFile, const std::string& user,
                     const std::string& address, const WriteConsent& consent = {});
bool RemoveAllowedEntry(const std::string& allowFile, const std::string& user,
                        const std::string& address, const WriteConsent& consent = {});

// Removes every entry of one account in one rewrite, holding the folder's
// lock; entries for every account stay. The number removed; nothing is
// written when it is 0.
std::size_t RemoveAllowedEntriesOf(const std::string& allowFile, const std::string& user,
                                   const WriteConsent& consent = {});
// What an allow file opened for a change holds without the entries of one
// account; nothing when it has none.
std::optional<std::string> AllowFileWithoutEntriesOf(const FileChange& allowFile,
                                                     const std::string& user);

} // namespace vantor
