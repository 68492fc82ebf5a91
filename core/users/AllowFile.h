#pragma once

#include "core/lines/FileChange.h"
#include "core/lines/TextLineList.h"

#include <string>
#include <vector>

namespace vantor {

// A *.allow entry is either an address alone, which applies to every account,
// or "%s@%s" of a user name and an address, which applies to that account.
// Only the second form is ever written here; the first is kept as found.
inline constexpr char kAllowedEntrySeparator = '@';

std::string AllowedEntry(const std::string& user, const std::string& address);

// Empties the list, then reads the file into it; a missing file leaves it empty.
// Returns what the reading lost (see ReadLineList).
ReadingLoss LoadAllowedAddressList(const std::string& allowFile, TextLineList& allowed);
// Loads the list as above and yields, in list order, every address alone and
// the address part of every entry of `user`.
std::vector<std::string> LoadAllowedAddresses(const std::string& allowFile, TextLineList& allowed,
                                              const std::string& user);
// The same addresses taken from a list already read.
std::vector<std::string> AllowedAddressesOf(const TextLineList& allowed, const std::string& user);

// As one change of the file (FileChange.h), under the folder lock, reads it again, appends the
// entry of `user` and `address` to what it read and writes that list, so that entries another
// program wrote meanwhile are kept. `allowed` then holds that list: the file as read and the entry
// appended. False, with nothing written, when the address is empty or the file already holds the
// entry (`allowed` then holds the file as read). Raises InvalidInput (users/Validation.h) when
// CheckAllowedEntry refuses the user or the address, and FileError when the
// file cannot be read or written; neither the list nor the file changes then.
bool AddAllowedAddress(const std::string& allowFile, TextLineList& allowed, const std::string& user,
                       const std::string& address, const WriteConsent& consent = {});

// Under the folder lock, reads the file again, removes the entry of `user` and
// `address` from what it read when there, and writes that list, also when
// nothing was removed; does nothing for an empty address. `allowed` changes to
// the list written, only once it is written.
void RemoveAllowedAddress(const std::string& allowFile, TextLineList& allowed,
                          const std::string& user, const std::string& address,
                          const WriteConsent& consent = {});

// Writes the list to the file. False, with nothing written, when the list is
// empty: the caller tells the user that the file was not saved.
bool SaveAllowedAddressList(const TextLineList& allowed, const std::string& allowFile);

} // namespace vantor
