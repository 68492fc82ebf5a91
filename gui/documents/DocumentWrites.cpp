#include "gui/documents/DocumentWrites.h"

#include "core/lines/FileSystem.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"
#include "gui/platform/BusyCursor.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

#include <utility>

namespace vantor {

namespace {

bool askToReplace(QWidget* owner, const QString& question) {
    return ui().askYesNo(owner, loadString(Str::CaptionWarning), question);
}

// The check of a file before it is replaced: true when the file is still the
// version the document was read from or written as, by its status and the
// hash of its content; `now` tells the version it is.
bool stillAsKnown(const Document& document, FileStamp& now) {
    now = StampOf(document.path());
    return now == document.stamp();
}

// What a change after mayChange consents to: the loss of a reading the user
// was told of and agreed to.
WriteConsent consentOf(const Document& document) {
    WriteConsent consent;
    consent.lossAccepted = document.reading() == Reading::Lossy;
    return consent;
}

} // namespace

bool mayChange(QWidget* owner, const Document& document) {
    document.refuseIfFailed();
    if (document.reading() != Reading::Lossy)
        return true;
    return askToReplace(owner,
                        loadString(Str::ReplaceLossyFile)
                            .arg(toQt(document.path()), QString::number(document.loss().line)));
}

ReplaceCheck checkReplace(QWidget* owner, const Document& document, Str changedQuestion) {
    ReplaceCheck check;
    if (!mayChange(owner, document))
        return check;
    FileStamp now;
    const bool unchanged = stillAsKnown(document, now);
    check.expected = now;
    if (document.reading() == Reading::None) {
        // Nothing of this file was read: an existing one may hold what the
        // user wants to keep, another server's configuration among them.
        const Str question = document.kind() == DocumentKind::Configuration
                                 ? Str::ReplaceOtherConfiguration
                                 : Str::ReplaceUnreadFile;
        if (now.exists && !askToReplace(owner, loadString(question).arg(toQt(document.path()))))
            return check;
        check.answer = WriteBack::Written;
        return check;
    }
    if (!unchanged && document.kind() == DocumentKind::Configuration) {
        // Its keys are rewritten, not read: there is nothing to reload.
        if (!askToReplace(owner,
                          loadString(Str::ReplaceChangedConfiguration).arg(toQt(document.path()))))
            return check;
    } else if (!unchanged) {
        switch (askAboutChangedFile(owner, document.path(), changedQuestion)) {
        case ChangedAnswer::Overwrite:
            break;
        case ChangedAnswer::Reload:
            check.answer = WriteBack::Reload;
            return check;
        case ChangedAnswer::Cancel:
            return check;
        }
    }
    check.answer = WriteBack::Written;
    return check;
}

void writeLines(const Document& document, const TextLineList& lines) {
    if (document.kind() == DocumentKind::Users)
        WriteLineList(lines, document.path(), kUserFileMode);
    else
        WriteLineList(lines, document.path());
}

WriteBack save(QWidget* owner, Document& document, const TextLineList& lines, Str changedQuestion) {
    ReplaceCheck check = checkReplace(owner, document, changedQuestion);
    if (check.answer == WriteBack::Written)
        check.answer = writeBackChecked(
            owner, document.path(), check.expected, [&] { writeLines(document, lines); },
            changedQuestion);
    switch (check.answer) {
    case WriteBack::Written:
        document.written(lines, check.expected);
        break;
    case WriteBack::Reload:
        document.read(owner);
        break;
    case WriteBack::Cancelled:
        break;
    }
    return check.answer;
}

WriteBack saveAs(QWidget* owner, Document& document, const std::string& path,
                 const TextLineList& lines, Str changedQuestion) {
    if (document.named() && SameFile(AbsolutePath(path), document.path()))
        return save(owner, document, lines, changedQuestion);
    Document target(document.kind());
    target.open(path);
    FileStamp stamp;
    {
        const BusyCursor busy;
        stamp = WriteAndStamp(target.path(), [&] { writeLines(target, lines); });
    }
    document.moveTo(target.path());
    document.written(lines, stamp);
    return WriteBack::Written;
}

bool storeAccount(QWidget* owner, Document& users, const UserLine& user) {
    if (!mayChange(owner, users))
        return false;
    TextLineList lines;
    FileStamp stamp;
    {
        const BusyCursor busy;
        StoreUserLine(users.path(), user, lines, &stamp, consentOf(users));
    }
    users.written(std::move(lines), stamp);
    return true;
}

bool removeAccount(QWidget* owner, Document& users, const std::string& name) {
    if (!mayChange(owner, users))
        return false;
    TextLineList lines;
    FileStamp stamp;
    {
        const BusyCursor busy;
        RemoveUserLine(users.path(), name, lines, &stamp, consentOf(users));
    }
    users.written(std::move(lines), stamp);
    return true;
}

namespace {

// The address writers take the lock themselves; taken here around them too
// (it nests), it lets the stamp tell the version they left.
template <typename Change>
bool changeAddresses(QWidget* owner, Document& addresses, Change&& change) {
    if (!mayChange(owner, addresses))
        return false;
    TextLineList lines;
    bool changed = false;
    FileStamp stamp;
    {
        const BusyCursor busy;
        stamp = WriteAndStamp(addresses.path(), [&] { changed = change(lines); });
    }
    addresses.written(std::move(lines), stamp);
    return changed;
}

} // namespace

bool addAddress(QWidget* owner, Document& addresses, const std::string& user,
                const std::string& address) {
    return changeAddresses(owner, addresses, [&](TextLineList& lines) {
        return AddAllowedAddress(addresses.path(), lines, user, address, consentOf(addresses));
    });
}

bool removeAddress(QWidget* owner, Document& addresses, const std::string& user,
                   const std::string& address) {
    return changeAddresses(owner, addresses, [&](TextLineList& lines) {
        RemoveAllowedAddress(addresses.path(), lines, user, address, consentOf(addresses));
        return true;
    });
}

} // namespace vantor
