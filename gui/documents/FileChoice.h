#pragma once

#include "gui/platform/Ui.h"
#include "texts/Strings.h"

#include <optional>
#include <string>

class QWidget;

namespace vantor {

class Document;

// One kind of definition file the user may be asked to choose: the pattern it
// is looked for by, the notice shown when the working folder does not hold
// exactly one, and its file-dialog filter.
struct DefinitionFileKind {
    const char* pattern;
    std::optional<Str> notice;
    Str filter;
};

extern const DefinitionFileKind kUserFileKind;
extern const DefinitionFileKind kAllowFileKind;
extern const DefinitionFileKind kVfsFileKind;

// Chooses the file of a kind in `directory` for the document: a single match
// is taken without asking; otherwise the document first stands for the first
// match (when there is one), the notice is shown and the user picks or names
// a file. False when the user cancelled, or when the path is too long to
// keep; the document then stands for what it stood for.
bool ChooseDefinitionFile(QWidget* owner, const std::string& directory,
                          const DefinitionFileKind& kind, Document& document);

// The file dialog for a kind of file, to open one or to name one to save;
// nothing when cancelled or when the chosen path cannot be kept.
std::optional<std::string> AskForDefinitionFile(QWidget* owner, const DefinitionFileKind& kind,
                                                FileRequest::Kind use = FileRequest::Kind::Open);

} // namespace vantor
