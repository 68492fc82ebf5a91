#pragma once

#include "texts/Strings.h"

#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace vantor {

// Lets the user pick a local folder in the folder browser titled `title`. A
// cancel, or a path too long for a file name field (after an ERROR), gives
// nothing.
std::optional<std::string> ChooseFolder(QWidget* owner, Str title);

// Lets the user pick a local folder, titled "Browse for local dir", and puts
// its full path into the text box. A cancel, or a path too long for a file name
// field, leaves the box empty.
void BrowseForFolder(QWidget* owner, QLineEdit* target);

} // namespace vantor
