#pragma once

#include "core/users/AccountEdits.h"

#include <QString>
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace vantor::admin {

// JSON objects keep their keys in the order they were put in.
using Json = nlohmann::ordered_json;

// A field's name in JSON, in CSV headers and in `user show` (the core's
// field table).
std::optional<UserField> UserColumn(std::string_view name);
std::string_view ColumnName(UserField field);

// A field as CSV and `user show` write it: the level by its name (empty for
// none, the number when it has no name), booleans 1 or 0, numbers in decimal,
// texts as they are.
std::string ColumnText(const UserLine& account, UserField field);

// Every field by its name; booleans true or false, numbers as numbers. The
// password only when asked for.
Json AccountJson(const UserLine& account, bool withPassword);
// JSON text of a value, bytes that are not UTF-8 shown as U+FFFD.
std::string JsonText(const Json& value);

// Takes a field's text, as CSV and the options give it, into `fields`; the
// reason in the user's language when the text is refused.
std::optional<QString> TakeColumn(UserField field, std::string_view text, AccountFields& fields);

} // namespace vantor::admin
