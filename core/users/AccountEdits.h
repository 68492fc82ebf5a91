#pragma once

#include "core/lines/FileChange.h"
#include "core/users/UserFields.h"
#include "core/users/UserLine.h"

#include <optional>
#include <string>

namespace vantor {

// Some fields of an account: the ones marked given take their value from
// `values`, the others stay as the account has them.
struct AccountFields {
    UserLine values;
    UserFieldSet given;

    void give(UserField field) { given.set(static_cast<std::size_t>(field)); }
    bool gives(UserField field) const { return given.test(static_cast<std::size_t>(field)); }
};

// Copies the given fields into the account.
void ApplyAccountFields(const AccountFields& fields, UserLine& account);

// The account of that name as the account dialog shows it: the first line of
// the name in the order a reading of the file lists them, its fields read as
// ParseUserLine reads them. Nothing when no line has the name or the file
// does not exist.
std::optional<UserLine> FindAccount(const std::string& userFile, const std::string& name);

// The edits of one account in a user file, each holding the folder's lock
// from its reading to its write, and each writing the same bytes as the
// account dialog writes for the same change (StoreUserLine, RemoveUserLine).
// False, with nothing written, when the account exists already (add) or does
// not exist (change, remove). InvalidInput when the account breaks a rule of
// its line, FileError when a file cannot be read or written; nothing is
// written then either.
bool AddAccount(const std::string& userFile, const UserLine& account,
                const WriteConsent& consent = {});
bool ChangeAccount(const std::string& userFile, const std::string& name,
                   const AccountFields& fields, const WriteConsent& consent = {});
// With `allowFile` given, the account's own entries of the allowed address
// file go too, in one rewrite of that file; entries for every account stay.
// Both files are written before either takes its place (FileChanges).
bool RemoveAccount(const std::string& userFile, const std::string& name,
                   const std::optional<std::string>& allowFile, const WriteConsent& consent = {});

} // namespace vantor
