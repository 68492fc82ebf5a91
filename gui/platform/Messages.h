#pragma once

#include "texts/Strings.h"

#include <QString>

#include <string>

class QWidget;

namespace vantor {

class FileError;

// The three kinds of message box the program shows, each with an OK button:
// an ERROR when an action is refused, a WARNING when a default is put in and
// the action goes on, and a notice with an empty caption.
void showError(QWidget* owner, const QString& text);
void showError(QWidget* owner, Str text);
void showWarning(QWidget* owner, const QString& text);
void showWarning(QWidget* owner, Str text);
void showNotice(QWidget* owner, Str text);

// A file that could not be read or written, named to the user as
// fileErrorText (texts/ErrorTexts.h) tells it.
void reportFileError(QWidget* owner, const FileError& error);
// Anything else that stopped an action (no memory left, a fault of the
// program): an ERROR with what the system says, instead of the end of the
// program. `what` may be null when nothing is known.
void reportActionFailure(QWidget* owner, const char* what);

// False, after an ERROR, when a path does not fit a file name field (it is
// refused, never cut) or holds a line break or a byte that ends a file, which
// would break its line in the configuration file or the startup list. Every
// path passes here before it enters the record.
bool checkPathUsable(QWidget* owner, const std::string& path);

// The current directory for an action, or nothing after an ERROR when it is
// too long to build file names from or holds a line break.
bool currentDirectoryFor(QWidget* owner, std::string& directory);

// Runs one user action; a file error, an input the core refuses, or any other
// exception ends it with a message box and leaves the dialog open. True when
// the action ran to its end.
template <typename Action> bool runFileAction(QWidget* owner, Action&& action);

} // namespace vantor

#include "core/lines/Errors.h"
#include "texts/ErrorTexts.h"
#include "texts/RuleTexts.h"

#include <exception>

template <typename Action> bool vantor::runFileAction(QWidget* owner, Action&& action) {
    try {
        action();
        return true;
    } catch (const FileError& error) {
        reportFileError(owner, error);
        return false;
    } catch (const std::exception& failure) {
        showError(owner, errorText(failure));
        return false;
    } catch (...) {
        reportActionFailure(owner, nullptr);
        return false;
    }
}
