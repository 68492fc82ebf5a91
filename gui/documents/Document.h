#pragma once

#include "core/lines/FileStamp.h"
#include "core/lines/TextLineList.h"

#include <string>

class QWidget;

namespace vantor {

// The kinds of definition file the wizard edits, each read and written its
// own way.
enum class DocumentKind {
    Configuration, // *.ftpd: written key by key from the design, never read back
    MountPoints,   // *.vfs
    Users,         // *.user, created readable by its owner only
    Addresses,     // *.allow
    StartupList,   // ftpmarlin.startup
};

// How a document's lines stand to its file.
enum class Reading {
    None,    // not read from this file: only named, or the lines came from elsewhere
    Missing, // read, and there was no file
    Whole,   // read whole, or written by this run
    Lossy,   // read, but the reading lost content (see loss())
    Failed,  // the last reading raised a file error
};

// The name made absolute against the working folder, as a document keeps it,
// so that a later change of folder cannot make it name another file. Empty
// stays empty.
std::string AbsolutePath(const std::string& name);

// One definition file as the wizard holds it: its absolute path, its lines,
// how they were read, and the stamp of the file as it was read or last
// written here. Every change of the file goes through the document (see
// DocumentWrites.h), and every write that replaces the file compares that
// stamp under the folder lock first, so nothing the wizard writes is older
// than the file or meant for another one.
class Document {
public:
    explicit Document(DocumentKind kind) : kind_(kind) {}

    DocumentKind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    bool named() const { return !path_.empty(); }
    const TextLineList& lines() const { return lines_; }
    Reading reading() const { return reading_; }
    const ReadingLoss& loss() const { return loss_; }
    const FileStamp& stamp() const { return stamp_; }

    // The document stands for the file `name` names from now on (an empty
    // name: for none) and holds nothing read yet; a name of the file it
    // already stands for changes nothing.
    void open(const std::string& name);
    // The lines stay, to go into the file `name` names, which they were not
    // read from (Save as, the finish page's names). A name of the same file
    // changes nothing.
    void moveTo(const std::string& name);
    // No file and no lines: the working folder it belonged to is left.
    void close();
    // The lines as a dialog changed them, for the same file.
    void setLines(TextLineList lines);

    // Reads the file; one that does not exist reads as no lines. A loss the
    // user was not told of yet is told now. A FileError empties the lines and
    // is kept, so that nothing replaces the file until a reading succeeds, and
    // raised again.
    void read(QWidget* owner);
    // Raises the last reading's error again when it failed.
    void refuseIfFailed() const;

    // The file now holds `lines`, written here or by a core writer that read
    // and wrote it under the lock, and `stamp` tells that version.
    void written(TextLineList lines, const FileStamp& stamp);
    // The file now holds the document's own lines.
    void written(const FileStamp& stamp);

private:
    void forget();

    DocumentKind kind_;
    std::string path_;
    TextLineList lines_;
    Reading reading_ = Reading::None;
    ReadingLoss loss_;
    FileStamp stamp_;
    int errorNumber_ = 0; // of the failed reading; 0 when only the reason is known
    std::string errorReason_;
};

} // namespace vantor
