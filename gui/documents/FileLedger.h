#pragma once

#include "core/lines/TextLineList.h"

#include <string>
#include <unordered_map>

namespace vantor {

// What this run knows of each definition file it read or wrote, by the path
// its name resolves to. The dialogs consult it before they replace a file: a
// file whose last reading failed is not written until a later reading
// succeeds, and one whose reading lost content is replaced only when the user
// agrees.
class FileLedger {
public:
    enum class Known {
        NotRead, // neither read nor written by this run
        Whole,   // read whole, or written by this run
        Lossy,   // read, but the reading lost content (see `loss`)
        Failed,  // the last reading raised a file error
    };
    struct Entry {
        Known known = Known::NotRead;
        ReadingLoss loss;
        int errorNumber = 0; // of the failed reading; 0 when only `reason` is known
        std::string reason;
    };

    // Runs `reading` (a reading of the file that returns its ReadingLoss) and
    // keeps what came of it; a FileError is kept and raised again. True when
    // the reading lost content, at a place the ledger did not hold already, so
    // that the caller tells the user once.
    template <typename Read> bool read(const std::string& path, Read&& reading) {
        try {
            return noteRead(path, reading());
        } catch (const FileError& error) {
            noteFailed(path, error);
            throw;
        }
    }

    // The file now holds what this run wrote into it.
    void noteWritten(const std::string& path);
    Entry of(const std::string& path) const;
    // Raises the error of the file's last reading again when it failed, naming
    // the file as `path` names it.
    void refuseIfReadingFailed(const std::string& path) const;

private:
    bool noteRead(const std::string& path, const ReadingLoss& loss);
    void noteFailed(const std::string& path, const FileError& error);

    std::unordered_map<std::string, Entry> entries_;
};

} // namespace vantor
