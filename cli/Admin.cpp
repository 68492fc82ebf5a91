#include "cli/Admin.h"

#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/DefinitionFiles.h"
#include "texts/ErrorTexts.h"
#include "texts/RuleTexts.h"

#include <cerrno>
#include <filesystem>
#include <iostream>

namespace vantor::admin {

namespace {

class AdminTexts {
    Q_DECLARE_TR_FUNCTIONS(AdminTexts)
public:
    static QString dropped(const std::string& file, const ReadingLoss& loss) {
        return loss.kind == ReadingLoss::Kind::SplitLongLine
                   ? tr("warning: %1 line %2: the line is longer than %3 bytes and is written "
                        "as the pieces the readers take")
                         .arg(shown(file))
                         .arg(loss.line)
                         .arg(kMaxLinePiece)
                   : tr("warning: %1 line %2: a byte 0x1A ends the file there , and what follows "
                        "it is dropped")
                         .arg(shown(file))
                         .arg(loss.line);
    }
    static QString several(const std::vector<std::string>& matches, const char* option) {
        QStringList names;
        for (const std::string& match : matches)
            names.append(shown(match));
        return tr("more than one file to choose from: %1; name one with %2")
            .arg(names.join(QStringLiteral(", ")), QLatin1String(option));
    }
    static QString unknownAccount(const std::string& name) {
        return tr("no account is named %1").arg(shown(name));
    }
    static QString fieldRefused(const QString& field, const QString& reason) {
        return tr("%1: %2").arg(field, reason);
    }
    static QString flag() { return tr("write 1 or 0"); }
    static QString wholeNumber() { return tr("write a whole number from 0 up"); }
    static QString outputFailed(int errorNumber) {
        return tr("could not write standard output: %1")
            .arg(fileErrorReason(FileError("-", errorNumber)));
    }
    static QString nameTooLong() {
        return tr("the user name is longer than %1 bytes").arg(kMaxUserNameLength);
    }
    static QString lineTooLong() {
        return tr("the account is longer than %1 bytes in all").arg(kMaxUserLineLength);
    }
    static QString noVfsFile(const std::string& directory) {
        return tr("no *.vfs file in %1; name one with --vfs-file").arg(shown(directory));
    }
};

const Streams kProcessStreams{std::cin, std::cout, std::cerr};
const Streams* current = &kProcessStreams;

// Absolute and without "." or ".." steps, since the names are written into
// the configuration file; links are left as they are.
std::string absolute(const std::string& base, const std::string& path) {
    if (path.empty())
        return path;
    std::string normal =
        std::filesystem::path(path.front() == kPathSeparator ? path : JoinPath(base, path))
            .lexically_normal()
            .string();
    if (normal.size() > 1 && normal.back() == kPathSeparator)
        normal.pop_back();
    return normal;
}

std::optional<std::string> choose(const std::string& directory, const std::string& named,
                                  const char* pattern, const char* defaultName, const char* option,
                                  FileUse use) {
    if (!named.empty()) {
        if (use == FileUse::Read && !SECFileSystem().FileExists(named))
            throw FileError(named, ENOENT);
        return named;
    }
    DefinitionFileChoice choice = FindDefinitionFile(directory, pattern, defaultName);
    if (!choice.matches.empty())
        usageError(AdminTexts::several(choice.matches, option));
    return choice.path;
}

} // namespace

void refuse(const QString& message) {
    throw Stop{kExitRefused, message};
}

void usageError(const QString& message) {
    throw Stop{kExitUsage, message};
}

const Streams& streams() {
    return *current;
}

StreamsInUse::StreamsInUse(const Streams& streams) : previous_(current) {
    current = &streams;
}

StreamsInUse::~StreamsInUse() {
    current = previous_;
}

void tell(const QString& message) {
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray bytes = "vantor-admin: " + line.toUtf8() + '\n';
    current->err.write(bytes.constData(), bytes.size());
    current->err.flush();
}

void print(std::string_view text) {
    current->out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void printLine(std::string_view line) {
    print(line);
    current->out.put('\n');
}

QString shown(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString unknownAccountText(const std::string& name) {
    return AdminTexts::unknownAccount(name);
}

QString fieldRefusedText(const QString& field, const QString& reason) {
    return AdminTexts::fieldRefused(field, reason);
}

QString flagText() {
    return AdminTexts::flag();
}

QString wholeNumberText() {
    return AdminTexts::wholeNumber();
}

QString outputFailedText(int errorNumber) {
    return AdminTexts::outputFailed(errorNumber);
}

QString ruleText(InputRule rule) {
    switch (rule) {
    case InputRule::NameTooLong:
        return AdminTexts::nameTooLong();
    case InputRule::LineTooLong:
        return AdminTexts::lineTooLong();
    default:
        return inputRuleText(rule);
    }
}

std::string absolutePath(const std::string& path) {
    return absolute(CurrentDirectory(), path);
}

WriteConsent Folder::consent() const {
    WriteConsent consent;
    consent.lossAccepted = force;
    consent.lossTold = [](const std::string& file, const ReadingLoss& loss) {
        tell(AdminTexts::dropped(file, loss));
    };
    return consent;
}

void Folder::resolve() {
    directory = absolute(CurrentDirectory(), directory);
    if (!SECFileSystem().DirectoryExists(directory))
        throw FileError(directory, ENOENT);
    for (std::string* file : {&userFile, &allowFile, &vfsFile})
        *file = absolute(directory, *file);
}

std::string Folder::chosenUserFile(FileUse use) const {
    return *choose(directory, userFile, kUserFilePattern, kDefaultUserFileName, "--user-file", use);
}

std::string Folder::chosenAllowFile(FileUse use) const {
    return *choose(directory, allowFile, kAllowFilePattern, kDefaultAllowFileName, "--allow-file",
                   use);
}

std::optional<std::string> Folder::chosenVfsFile(FileUse use) const {
    return choose(directory, vfsFile, kVfsFilePattern, nullptr, "--vfs-file", use);
}

std::string Folder::vfsFileToWrite(FileUse use) const {
    const auto file = chosenVfsFile(use);
    if (!file)
        usageError(AdminTexts::noVfsFile(directory));
    return *file;
}

} // namespace vantor::admin
