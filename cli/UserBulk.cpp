// user import and user export: every account at once, as CSV or JSON, so
// that an export imported into an empty folder gives the same file again.
#include "cli/Csv.h"
#include "cli/UserColumns.h"
#include "cli/Verbs.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"
#include "core/users/AccountImport.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <unordered_map>

namespace vantor::admin {

namespace {

class BulkTexts {
    Q_DECLARE_TR_FUNCTIONS(BulkTexts)
public:
    static QString malformed() { return tr("the quoting of this CSV record is malformed"); }
    static QString notJson(const char* what) {
        return tr("not JSON as an export writes it: %1").arg(QString::fromUtf8(what));
    }
    static QString formats() { return tr("--format takes csv or json"); }
    static QString notAnArray() { return tr("the JSON is not an array of accounts"); }
    static QString notAnObject() { return tr("the entry is not an object of fields"); }
    static QString badValue() { return tr("a text, a flag or a number of the field's kind"); }
    static QString unknownColumn(std::string_view name) {
        return tr("unknown column %1").arg(shown(name));
    }
    static QString repeatedColumn(std::string_view name) {
        return tr("the column %1 is given twice").arg(shown(name));
    }
    static QString noNameColumn() { return tr("the header has no column name"); }
    static QString noName() { return tr("the entry has no field name"); }
    static QString cellCount(std::size_t cells, std::size_t columns) {
        return tr("%1 fields where the header has %2").arg(cells).arg(columns);
    }
    static QString exists(const std::string& name) {
        return tr("an account named %1 exists already , --update changes it").arg(shown(name));
    }
    static QString manyExist(std::size_t count, const std::string& name) {
        return tr("%1 of the accounts exist already , the first is %2 , --update changes them")
            .arg(count)
            .arg(shown(name));
    }
    static QString repeated(const std::string& name, std::size_t earlier) {
        return tr("the name %1 is given on line %2 already").arg(shown(name)).arg(earlier);
    }
    static QString nothingWritten() { return tr("nothing was written"); }
    static QString wouldDo(const ImportResult& result) {
        return tr("would add %1 , change %2 and leave %3 accounts , nothing was written")
            .arg(result.added.size())
            .arg(result.changed.size())
            .arg(result.left.size());
    }
    static QString done(const ImportResult& result) {
        return tr("added %1 , changed %2 and left %3 accounts")
            .arg(result.added.size())
            .arg(result.changed.size())
            .arg(result.left.size());
    }
    static QString notExact(const std::string& file, std::size_t line, const QString& reason) {
        return tr("%1:%2: the export can not give this line exactly: %3")
            .arg(shown(file))
            .arg(line)
            .arg(reason);
    }
    static QString shortLine(std::size_t fields) {
        return tr("it has %1 fields , not 14 , and an import writes all 14").arg(fields);
    }
    static QString readsOtherwise() {
        return tr("a field is not written as the readers read it , an import writes it otherwise");
    }
    static QString refusedCell(const QString& reason) {
        return tr("an import refuses a field: %1").arg(reason);
    }
    static QString repeatedLine(std::size_t earlier) {
        return tr("the name is used on line %1 already , an import refuses it").arg(earlier);
    }
};

struct Problem {
    std::size_t line;
    QString reason;
};

// Rows of an import, taken one at a time: CSV records under their header,
// or the objects of a JSON array, each numbered by its line (CSV) or its
// place in the array (JSON).
class RowReader {
public:
    virtual ~RowReader() = default;
    virtual bool next(ImportRow& row, std::vector<Problem>& problems) = 0;
};

class CsvRows : public RowReader {
public:
    CsvRows(std::string_view bytes, std::vector<Problem>& problems) : csv_(ReadCsv(bytes)) {
        if (csv_.malformedLine)
            problems.push_back({*csv_.malformedLine, BulkTexts::malformed()});
        readHeader(problems);
        // A broken header or quoting leaves no row to take.
        next_ = problems.empty() ? 1 : csv_.records.size();
    }

    bool next(ImportRow& row, std::vector<Problem>& problems) override {
        while (next_ < csv_.records.size())
            if (take(csv_.records[next_++], row, problems))
                return true;
        return false;
    }

private:
    void readHeader(std::vector<Problem>& problems) {
        if (csv_.records.empty())
            return;
        const CsvRecord& header = csv_.records.front();
        for (std::size_t c = 0; c < header.count; ++c) {
            const std::string_view name = csv_.cell(header, c);
            const auto field = UserColumn(name);
            if (!field)
                problems.push_back({header.line, BulkTexts::unknownColumn(name)});
            else if (std::find(columns_.begin(), columns_.end(), *field) != columns_.end())
                problems.push_back({header.line, BulkTexts::repeatedColumn(name)});
            else
                columns_.push_back(*field);
        }
        if (std::find(columns_.begin(), columns_.end(), UserField::Name) == columns_.end())
            problems.push_back({header.line, BulkTexts::noNameColumn()});
    }

    // The record as a row; false, with its problems noted, when a cell is
    // refused.
    bool take(const CsvRecord& record, ImportRow& row, std::vector<Problem>& problems) {
        if (record.count != columns_.size()) {
            problems.push_back({record.line, BulkTexts::cellCount(record.count, columns_.size())});
            return false;
        }
        // Only the fields marked given count, so the row's strings are kept
        // for the next record to overwrite.
        row.line = record.line;
        row.fields.given.reset();
        bool good = true;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (const auto refused = TakeColumn(columns_[c], csv_.cell(record, c), row.fields)) {
                problems.push_back(
                    {record.line, fieldRefusedText(shown(ColumnName(columns_[c])), *refused)});
                good = false;
            }
        }
        return good;
    }

    CsvText csv_;
    std::vector<UserField> columns_;
    std::size_t next_ = 1;
};

class JsonRows : public RowReader {
public:
    JsonRows(std::string_view bytes, std::vector<Problem>& problems) {
        try {
            json_ = nlohmann::json::parse(bytes);
        } catch (const nlohmann::json::parse_error& error) {
            problems.push_back({0, BulkTexts::notJson(error.what())});
            return;
        }
        if (!json_.is_array())
            problems.push_back({0, BulkTexts::notAnArray()});
    }

    bool next(ImportRow& row, std::vector<Problem>& problems) override {
        while (json_.is_array() && next_ < json_.size())
            if (take(json_[next_++], row, problems))
                return true;
        return false;
    }

private:
    // A value as the text TakeColumn takes: texts as their bytes, flags as 1
    // or 0, numbers in decimal.
    static std::optional<std::string> text(const nlohmann::json& value, UserFieldKind kind) {
        if (kind == UserFieldKind::Flag)
            return value.is_boolean() ? std::optional<std::string>(value.get<bool>() ? "1" : "0")
                                      : std::nullopt;
        if (kind == UserFieldKind::SignedNumber || kind == UserFieldKind::Counter)
            return value.is_number_unsigned()
                       ? std::optional(std::to_string(value.get<std::uint64_t>()))
                       : std::nullopt;
        return JsonBytes(value);
    }

    bool take(const nlohmann::json& entry, ImportRow& row, std::vector<Problem>& problems) {
        const std::size_t number = next_;
        if (!entry.is_object()) {
            problems.push_back({number, BulkTexts::notAnObject()});
            return false;
        }
        row.line = number;
        row.fields.given.reset();
        bool good = true;
        const auto problem = [&](const QString& reason) {
            problems.push_back({number, reason});
            good = false;
        };
        for (const auto& [key, value] : entry.items()) {
            const auto field = UserColumn(key);
            if (!field) {
                problem(BulkTexts::unknownColumn(key));
                continue;
            }
            const auto cell = text(value, FieldInfo(*field).kind);
            const auto refused =
                cell ? TakeColumn(*field, *cell, row.fields) : std::optional(BulkTexts::badValue());
            if (refused)
                problem(fieldRefusedText(shown(key), *refused));
        }
        if (good && !row.fields.gives(UserField::Name))
            problem(BulkTexts::noName());
        return good;
    }

    nlohmann::json json_;
    std::size_t next_ = 0;
};

// JSON when asked for, or for an import from a *.json file.
bool jsonFormat(const Command& command, const std::string& file = {}) {
    if (const auto format = command.value("--format")) {
        if (*format != "csv" && *format != "json")
            usageError(BulkTexts::formats());
        return *format == "json";
    }
    return file.ends_with(".json") || file.ends_with(".JSON");
}

std::string inputBytes(const std::string& file) {
    if (file != "-")
        return ReadWholeFile(absolutePath(file));
    std::istream& in = streams().in;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void report(const std::string& file, bool json, std::vector<Problem>& problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    // A JSON entry is named by its place in the array, from 1.
    const QString place = json ? QStringLiteral("%1: [%2]: %3") : QStringLiteral("%1:%2: %3");
    for (const Problem& problem : problems)
        tell(problem.line == 0 ? QStringLiteral("%1: %2").arg(shown(file), problem.reason)
                               : place.arg(shown(file)).arg(problem.line).arg(problem.reason));
}

void import(const Command& command) {
    const std::string& file = command.argument("FILE");
    const bool json = jsonFormat(command, file);
    const bool update = command.given("--update");
    const bool dryRun = command.given("--dry-run");
    const std::string bytes = inputBytes(file);
    std::vector<Problem> problems;
    std::unique_ptr<RowReader> rows;
    if (json)
        rows = std::make_unique<JsonRows>(bytes, problems);
    else
        rows = std::make_unique<CsvRows>(bytes, problems);
    const bool readable = problems.empty();
    const auto nextRow = [&](ImportRow& row) { return readable && rows->next(row, problems); };

    const ImportResult result = ImportAccounts(
        command.folder.chosenUserFile(FileUse::Create), nextRow, update,
        [&] { return !dryRun && problems.empty(); }, command.folder.consent());
    const ImportProblem* firstExisting = nullptr;
    std::size_t existing = 0;
    for (const ImportProblem& problem : result.problems) {
        const std::string& name = problem.name;
        switch (problem.kind) {
        case ImportProblem::Kind::NameExists:
            firstExisting = firstExisting != nullptr ? firstExisting : &problem;
            ++existing;
            break;
        case ImportProblem::Kind::NameRepeated:
            problems.push_back({problem.line, BulkTexts::repeated(name, problem.earlierLine)});
            break;
        case ImportProblem::Kind::Invalid:
            problems.push_back({problem.line, ruleText(problem.rule)});
            break;
        }
    }
    // Refusing every name of a second run of the same import is one fact,
    // said once.
    if (existing == 1)
        problems.push_back({firstExisting->line, BulkTexts::exists(firstExisting->name)});
    else if (existing > 1)
        problems.push_back(
            {firstExisting->line, BulkTexts::manyExist(existing, firstExisting->name)});
    if (!problems.empty()) {
        report(file, json, problems);
        refuse(BulkTexts::nothingWritten());
    }
    if (dryRun) {
        std::string out;
        for (const auto& [word, names] :
             {std::pair{"add ", &result.added}, std::pair{"change ", &result.changed},
              std::pair{"leave ", &result.left}})
            for (const std::string& name : *names)
                out.append(word).append(name) += '\n';
        print(out);
        tell(BulkTexts::wouldDo(result));
    } else {
        tell(BulkTexts::done(result));
    }
}

// Why a line would not come back the same through an import of its export;
// nothing when it would.
std::optional<QString> inexact(std::string_view line, const UserLine& account,
                               std::string& formatted) {
    const UserLineReading reading = ReadUserLine(line, account);
    if (!reading.exact)
        return BulkTexts::shortLine(reading.held.count());
    formatted.clear();
    AppendUserLine(account, formatted);
    if (formatted != line)
        return BulkTexts::readsOtherwise();
    AccountFields scratch;
    for (const UserFieldInfo& info : kUserFields)
        if (const auto refused = TakeColumn(info.field, ColumnText(account, info.field), scratch))
            return BulkTexts::refusedCell(fieldRefusedText(shown(info.column), *refused));
    return std::nullopt;
}

void exportAccounts(const Command& command) {
    const std::string userFile = command.folder.chosenUserFile();
    const FileLines file = ReadFileLines(userFile);
    const bool json = jsonFormat(command);
    RowPrinter printer(json, RowPrinter::Form::Lines);
    if (!json) {
        std::string header;
        for (const UserFieldInfo& info : kUserFields)
            header.append(header.empty() ? "" : ",").append(info.column);
        printer.row({}, header);
    }
    std::string level, row, formatted;
    std::unordered_map<std::string, std::size_t> firstLine;
    std::size_t number = 1;
    const char* counted = file.bytes.data();
    bool exact = true;
    for (const std::string_view line : file.lines) {
        number += static_cast<std::size_t>(std::count(counted, line.data(), '\n'));
        counted = line.data();
        UserLine account;
        ParseUserLine(line, account);
        std::optional<QString> reason = inexact(line, account, formatted);
        if (const auto [first, added] = firstLine.try_emplace(account.name, number);
            !added && !reason)
            reason = BulkTexts::repeatedLine(first->second);
        if (reason) {
            tell(BulkTexts::notExact(userFile, number, *reason));
            exact = false;
        }
        if (json) {
            printer.row(AccountCells(account, true, level));
            continue;
        }
        row.clear();
        for (const UserFieldInfo& info : kUserFields)
            row.append(info.field == UserField::Name ? "" : ",")
                .append(CsvField(ColumnText(account, info.field)));
        printer.row({}, row);
    }
    printer.finish();
    // Written in full all the same, but a script keeping it as a backup
    // must learn that it is not one.
    if (!exact)
        throw Stop{kExitRefused, QString()};
}

} // namespace

std::vector<Verb> UserBulkVerbs() {
    const OptionEntry format{"--format", OptionKind::Value,
                             QT_TRANSLATE_NOOP("Verbs", "csv or json")};
    return {
        {"user",
         "import",
         QT_TRANSLATE_NOOP("Verbs",
                           "Adds or changes accounts from a CSV or JSON file in one write"),
         {{"FILE", OptionKind::Argument,
           QT_TRANSLATE_NOOP("Verbs", "The CSV or JSON file (JSON when it ends in .json), - for "
                                      "standard input"),
           "FILE", true},
          format,
          {"--update", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Changes the accounts that exist already")},
          {"--dry-run", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Says what would be added, changed and left, and writes "
                                      "nothing")}},
         import},
        {"user",
         "export",
         QT_TRANSLATE_NOOP("Verbs", "Writes every account to standard output; exit 1 when a line "
                                    "can not be given exactly"),
         {format},
         exportAccounts},
    };
}

} // namespace vantor::admin
