#include "core/users/AccountEdits.h"

#include "core/lines/FileChange.h"
#include "core/lines/FileSystem.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"
#include "core/users/AllowEdits.h"
#include "core/users/UserFile.h"
#include "core/users/Validation.h"

#include <unordered_set>
#include <utility>

namespace vantor {

namespace {

// One field of the table, its member known when compiled.
template <std::size_t Index> void takeField(const AccountFields& fields, UserLine& account) {
    constexpr UserFieldInfo info = kUserFields[Index];
    if (!fields.gives(info.field))
        return;
    if constexpr (info.kind == UserFieldKind::Text)
        account.*info.text = fields.values.*info.text;
    else if constexpr (info.kind == UserFieldKind::Level)
        account.*info.level = fields.values.*info.level;
    else if constexpr (info.kind == UserFieldKind::Flag)
        account.*info.flag = fields.values.*info.flag;
    else
        account.*info.number = fields.values.*info.number;
}

template <std::size_t... Index>
void takeFields(const AccountFields& fields, UserLine& account, std::index_sequence<Index...>) {
    (takeField<Index>(fields, account), ...);
}

} // namespace

void ApplyAccountFields(const AccountFields& fields, UserLine& account) {
    takeFields(fields, account, std::make_index_sequence<kUserFields.size()>());
}

namespace {

// A reading lists the first piece first and then the others by their first
// arrival, latest first: the account is the first piece when that has the
// name, else the matching piece whose text arrived last. Only the pieces of
// the name are remembered, so no list is built.
std::optional<UserLine> accountIn(std::string_view bytes, const std::string& name) {
    std::optional<std::string_view> first, latest;
    std::unordered_set<std::string_view> seen;
    std::size_t index = 0;
    ForEachLinePiece(bytes, [&](std::string_view piece) {
        if (piece.starts_with(name) && UserNameOf(piece) == name) {
            if (index == 0)
                first = piece;
            else if (seen.insert(piece).second)
                latest = piece;
        }
        ++index;
    });
    if (!first && !latest)
        return std::nullopt;
    UserLine account;
    ParseUserLine(first ? *first : *latest, account);
    return account;
}

} // namespace

std::optional<UserLine> FindAccount(const std::string& userFile, const std::string& name) {
    return accountIn(ReadDefinitionFile(userFile).bytes, name);
}

bool AddAccount(const std::string& userFile, const UserLine& account, const WriteConsent& consent) {
    return AddUserLine(userFile, account, consent);
}

bool ChangeAccount(const std::string& userFile, const std::string& name,
                   const AccountFields& fields, const WriteConsent& consent) {
    FileChange file(userFile, UserFileChange(consent));
    std::optional<UserLine> account = accountIn(file.bytes(), name);
    if (!account)
        return false;
    ApplyAccountFields(fields, *account);
    // Stored under the name it is found by: a line that would belong to
    // another name is refused by the store.
    if (account->name != name)
        throw InvalidInput(InputRule::LineNameMismatch);
    if (const InputRule rule = CheckUserLine(*account); rule != InputRule::Ok)
        throw InvalidInput(rule);
    file.write(UserFileWith(file, name, FormatUserLine(*account)));
    return true;
}

bool RemoveAccount(const std::string& userFile, const std::string& name,
                   const std::optional<std::string>& allowFile, const WriteConsent& consent) {
    // The user file's folder first, always: a second lock taken in the same
    // order everywhere cannot deadlock. Both files are written before either
    // takes its place, so the account never goes without its addresses.
    FileChanges changes;
    FileChange& users = changes.open(userFile, UserFileChange(consent));
    if (!accountIn(users.bytes(), name))
        return false;
    users.prepare(UserFileWithout(users, name));
    if (allowFile) {
        FileChange::Options options;
        options.consent = consent;
        FileChange& allowed = changes.open(*allowFile, options);
        if (const auto kept = AllowFileWithoutEntriesOf(allowed, name))
            allowed.prepare(*kept);
    }
    changes.commit();
    return true;
}

} // namespace vantor
