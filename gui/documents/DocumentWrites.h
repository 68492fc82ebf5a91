#pragma once

#include "gui/documents/Document.h"
#include "gui/platform/WriteBack.h"
#include "texts/Strings.h"

#include <string>

class QWidget;

namespace vantor {

struct UserLine;

// Every write of a document's file, with the questions that come before it.
// FileError, FileBusy and InvalidInput pass through to the action boundary.

// Before a change that the core makes by reading the file again under the
// lock (an account or an address stored or removed): a file whose reading
// failed is not written, its error raised again; one whose reading lost
// content is written only when the user agrees. False when the user said no.
bool mayChange(QWidget* owner, const Document& document);

// What a write that replaces the document's file may find there, once the
// user was asked what needs asking: the checks of mayChange; an existing file
// the lines were not read from is replaced only when the user agrees; one
// that another program changed since it was read or written here, only after
// the user chose Overwrite in `changedQuestion`. One status call of the file.
struct ReplaceCheck {
    WriteBack answer = WriteBack::Cancelled; // Written: go on and write
    FileStamp expected;                      // the version the write may replace
};
ReplaceCheck checkReplace(QWidget* owner, const Document& document, Str changedQuestion);

// The lines written to the document's file as the kind writes them.
void writeLines(const Document& document, const TextLineList& lines);

// Replaces the document's file with `lines` after checkReplace, comparing
// the file with the version the user agreed to under the lock. Written: the
// document holds the lines as written. Reload: the document was read again.
WriteBack save(QWidget* owner, Document& document, const TextLineList& lines, Str changedQuestion);
// The write of Save as, to a file the user named and agreed to replace in the
// file dialog; the document then stands for that file. A name of its own file
// is a Save.
WriteBack saveAs(QWidget* owner, Document& document, const std::string& path,
                 const TextLineList& lines, Str changedQuestion);

// Stores or removes an account, adds or removes an allowed address: the core
// reads the file again under the lock, changes it and writes it, and the
// document then holds what the file reads as. False when the user declined
// to change a file read in part, or, for an address, when nothing was added.
bool storeAccount(QWidget* owner, Document& users, const UserLine& user);
bool removeAccount(QWidget* owner, Document& users, const std::string& name);
bool addAddress(QWidget* owner, Document& addresses, const std::string& user,
                const std::string& address);
bool removeAddress(QWidget* owner, Document& addresses, const std::string& user,
                   const std::string& address);

} // namespace vantor
