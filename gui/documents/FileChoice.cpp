#include "gui/documents/FileChoice.h"

#include "core/lines/FileSystem.h"
#include "core/server/DefinitionFiles.h"
#include "gui/documents/Document.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

namespace vantor {

const DefinitionFileKind kUserFileKind{kUserFilePattern, Str::NoSingleUserFile,
                                       Str::UserFileFilter};
const DefinitionFileKind kAllowFileKind{kAllowFilePattern, Str::NoSingleAllowFile,
                                        Str::AllowFileFilter};
const DefinitionFileKind kVfsFileKind{kVfsFilePattern, std::nullopt, Str::VfsFileFilter};

std::optional<std::string> AskForDefinitionFile(QWidget* owner, const DefinitionFileKind& kind,
                                                FileRequest::Kind use) {
    FileRequest request;
    request.kind = use;
    request.filter = loadString(kind.filter);
    request.defaultExtension = QString::fromLatin1(kind.pattern);
    const auto chosen = ui().chooseFile(owner, request);
    if (!chosen)
        return std::nullopt;
    std::string path = toBytes(*chosen);
    if (!checkPathUsable(owner, path))
        return std::nullopt;
    return path;
}

bool ChooseDefinitionFile(QWidget* owner, const std::string& directory,
                          const DefinitionFileKind& kind, Document& document) {
    const SingleMatch match = FindSingleMatch(directory, kind.pattern);
    if (match.firstPath) {
        if (!checkPathUsable(owner, *match.firstPath))
            return false;
        document.open(*match.firstPath);
        if (match.only)
            return true;
    }
    if (kind.notice)
        showNotice(owner, *kind.notice);
    const auto chosen = AskForDefinitionFile(owner, kind);
    if (!chosen)
        return false;
    document.open(*chosen);
    return true;
}

} // namespace vantor
