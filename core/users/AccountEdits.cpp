#include "core/users/AccountEdits.h"

#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"
#include "core/users/AllowEdits.h"
#include "core/users/UserFile.h"
#include "core/users/Validation.h"

#include <algorithm>

namespace vantor {

void ApplyAccountFields(const AccountFields& fields, UserLine& account) {
    for (const UserFieldInfo& info : kUserFields) {
        if (!fields.gives(info.field))
            continue;
        if (info.text != nullptr)
            account.*info.text = fields.values.*info.text;
        else if (info.level != nullptr)
            account.*info.level = fields.values.*info.level;
        else if (info.flag != nullptr)
            account.*info.flag = fields.values.*info.flag;
        else
            account.*info.number = fields.values.*info.number;
    }
}

std::optional<UserLine> FindAccount(const std::string& userFile, const std::string& name) {
    if (!SECFileSystem().FileExists(userFile))
        return std::nullopt;
    // A reading lists the first piece first and then the others by their
    // first arrival, latest first: the account is the first piece when that
    // has the name, else the matching piece whose text arrived last. Only
    // the pieces of the name are remembered, so no list is built.
    const std::string bytes = ReadWholeFile(userFile);
    std::optional<std::string_view> first, latest;
    std::vector<std::string_view> seen;
    std::size_t index = 0;
    ForEachLinePiece(bytes, [&](std::string_view piece) {
        if (piece.starts_with(name) && UserNameOf(piece) == name) {
            if (index == 0)
                first = piece;
            else if (std::find(seen.begin(), seen.end(), piece) == seen.end())
                latest = piece;
            seen.push_back(piece);
        }
        ++index;
    });
    if (!first && !latest)
        return std::nullopt;
    UserLine account;
    ParseUserLine(first ? *first : *latest, account);
    return account;
}

bool AddAccount(const std::string& userFile, const UserLine& account) {
    return AddUserLine(userFile, account);
}

bool ChangeAccount(const std::string& userFile, const std::string& name,
                   const AccountFields& fields) {
    const FolderLock lock(userFile);
    std::optional<UserLine> account = FindAccount(userFile, name);
    if (!account)
        return false;
    ApplyAccountFields(fields, *account);
    // Stored under the name it is found by: a line that would belong to
    // another name is refused by the store.
    if (account->name != name)
        throw InvalidInput(InputRule::LineNameMismatch);
    StoreUserLine(userFile, *account);
    return true;
}

bool RemoveAccount(const std::string& userFile, const std::string& name,
                   const std::optional<std::string>& allowFile) {
    // The user file's folder first, always: a second lock taken in the same
    // order everywhere cannot deadlock.
    const FolderLock lock(userFile);
    std::optional<FolderLock> allowLock;
    if (allowFile)
        allowLock.emplace(*allowFile);
    if (!FindAccount(userFile, name))
        return false;
    RemoveUserLine(userFile, name);
    if (allowFile)
        RemoveAllowedEntriesOf(*allowFile, name);
    return true;
}

} // namespace vantor
