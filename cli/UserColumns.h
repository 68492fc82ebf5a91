#pragma once

#include "core/users/AccountEdits.h"

#include "cli/Rows.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::admin {

// A field's name in JSON, in CSV headers and in `user show` (the core's
// field table).
std::optional<UserField> UserColumn(std::string_view name);
std::string_view ColumnName(UserField field);

// A field as CSV and `user show` write it: the level by its name (empty for
// none, the number when it has no name), booleans 1 or 0, numbers in decimal,
// texts as they are.
std::string ColumnText(const UserLine& account, UserField field);

// Every field as a cell named by its column: booleans as flags, numbers as
// numbers, the level and the texts as ColumnText gives them. The password
// only when asked for. `level` keeps the level's text the cells point into.
std::vector<Cell> AccountCells(const UserLine& account, bool withPassword, std::string& level);

// The option of a field in `user add` and `user set`: its column with "-"
// for "_"; a flag field has a second option that clears it.
std::string FieldOption(UserField field);
std::string FieldClearOption(UserField field);

// Takes a field's text, as CSV and the options give it, into `fields`; the
// reason in the user's language when the text is refused.
std::optional<QString> TakeColumn(UserField field, std::string_view text, AccountFields& fields);

} // namespace vantor::admin
