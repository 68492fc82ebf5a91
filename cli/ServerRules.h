#pragma once

#include "core/server/DesignKeys.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace vantor::admin {

// Why a key's value was refused, in the user's language; empty for Ok.
QString DesignKeyReason(std::string_view key, const DesignKeyCheck& check, std::string_view value);
// What is wrong with a new server's root directory, as the basic options page
// checks it; nothing when it will do.
std::optional<QString> RootDirectoryFault(const std::string& root);
// A server name makes the file NAME.ftpd in the folder: not empty, no "/".
bool ServerNameFits(const std::string& name);
QString ServerNameText();

} // namespace vantor::admin
