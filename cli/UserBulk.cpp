// user import and user export: every account at once, as CSV or JSON, so
// that an export imported into an empty folder gives the same file again.
#include "cli/Admin.h"
#include "cli/Csv.h"
#include "cli/UserColumns.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"
#include "core/users/AccountImport.h"
#include "texts/RuleTexts.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace vantor::admin {

namespace {

class BulkTexts {
    Q_DECLARE_TR_FUNCTIONS(BulkTexts)
public:
    static QString malformed() { return tr("the quoting of this CSV record is malformed"); }
    static QString unknownColumn(std::string_view name) {
        return tr("unknown column %1").arg(shown(name));
    }
    static QString repeatedColumn(std::string_view name) {
        return tr("the column %1 is given twice").arg(shown(name));
    }
    static QString noNameColumn() { return tr("the header has no column name"); }
    static QString cellCount(std::size_t cells, std::size_t columns) {
        return tr("%1 fields where the header has %2").arg(cells).arg(columns);
    }
    static QString exists(const std::string& name) {
        return tr("an account named %1 exists already , --update changes it").arg(shown(name));
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
};

struct Problem {
    std::size_t line;
    QString reason;
};

// The columns the header names, or the problems that keep the rows from being
// read.
std::vector<UserField> columnsOf(const CsvText& csv, std::vector<Problem>& problems) {
    std::vector<UserField> columns;
    if (csv.records.empty())
        return columns;
    const CsvRecord& header = csv.records.front();
    for (std::size_t c = 0; c < header.count; ++c) {
        const std::string_view name = csv.cell(header, c);
        const auto field = UserColumn(name);
        if (!field)
            problems.push_back({header.line, BulkTexts::unknownColumn(name)});
        else if (std::find(columns.begin(), columns.end(), *field) != columns.end())
            problems.push_back({header.line, BulkTexts::repeatedColumn(name)});
        else
            columns.push_back(*field);
    }
    if (std::find(columns.begin(), columns.end(), UserField::Name) == columns.end())
        problems.push_back({header.line, BulkTexts::noNameColumn()});
    return columns;
}

// The record as a row; false, with its problems noted, when a cell is refused.
bool takeRow(const CsvText& csv, const CsvRecord& record, const std::vector<UserField>& columns,
             ImportRow& row, std::vector<Problem>& problems) {
    if (record.count != columns.size()) {
        problems.push_back({record.line, BulkTexts::cellCount(record.count, columns.size())});
        return false;
    }
    // Only the fields marked given count, so the row's strings are kept for
    // the next record to overwrite.
    row.line = record.line;
    row.fields.given.reset();
    bool good = true;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (const auto refused = TakeColumn(columns[c], csv.cell(record, c), row.fields)) {
            problems.push_back(
                {record.line, fieldRefusedText(shown(ColumnName(columns[c])), *refused)});
            good = false;
        }
    }
    return good;
}

void report(const std::string& file, std::vector<Problem>& problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    for (const Problem& problem : problems)
        tell(QStringLiteral("%1:%2: %3").arg(shown(file)).arg(problem.line).arg(problem.reason));
}

void import(const Session& session, const std::string& csvFile, bool update, bool dryRun) {
    const CsvText csv = ReadCsv(ReadWholeFile(csvFile));
    std::vector<Problem> problems;
    if (csv.malformedLine)
        problems.push_back({*csv.malformedLine, BulkTexts::malformed()});
    const std::vector<UserField> columns = columnsOf(csv, problems);
    // A broken header or quoting leaves no row to take.
    std::size_t next = problems.empty() ? 1 : csv.records.size();
    const auto nextRow = [&](ImportRow& row) {
        while (next < csv.records.size())
            if (takeRow(csv, csv.records[next++], columns, row, problems))
                return true;
        return false;
    };

    const ImportResult result = ImportAccounts(session.folder.chosenUserFile(), nextRow, update,
                                               [&] { return !dryRun && problems.empty(); });
    for (const ImportProblem& problem : result.problems) {
        const std::string& name = problem.name;
        switch (problem.kind) {
        case ImportProblem::Kind::NameExists:
            problems.push_back({problem.line, BulkTexts::exists(name)});
            break;
        case ImportProblem::Kind::NameRepeated:
            problems.push_back({problem.line, BulkTexts::repeated(name, problem.earlierLine)});
            break;
        case ImportProblem::Kind::Invalid:
            problems.push_back({problem.line, inputRuleText(problem.rule)});
            break;
        }
    }
    if (!problems.empty()) {
        report(csvFile, problems);
        refuse(BulkTexts::nothingWritten());
    }
    if (dryRun) {
        for (const auto& [word, names] :
             {std::pair{"add ", &result.added}, std::pair{"change ", &result.changed},
              std::pair{"leave ", &result.left}})
            for (const std::string& name : *names)
                printLine(word + name);
        tell(BulkTexts::wouldDo(result));
    } else {
        tell(BulkTexts::done(result));
    }
}

void exportAccounts(const Session& session, const std::string& format) {
    const FileLines file = ReadFileLines(session.folder.chosenUserFile());
    const bool json = format == "json";
    std::string out;
    if (json) {
        out += '[';
    } else {
        for (std::size_t i = 0; i < kUserFields.size(); ++i)
            out.append(i == 0 ? "" : ",").append(kUserFields[i].column);
        out += '\n';
    }
    bool first = true;
    for (const std::string_view line : file.lines) {
        UserLine account;
        ParseUserLine(line, account);
        if (json) {
            out += first ? "\n" : ",\n";
            out += JsonText(AccountJson(account, true));
        } else {
            for (std::size_t i = 0; i < kUserFields.size(); ++i)
                out.append(i == 0 ? "" : ",")
                    .append(CsvField(ColumnText(account, static_cast<UserField>(i))));
            out += '\n';
        }
        first = false;
    }
    if (json)
        out += first ? "]\n" : "\n]\n";
    print(out);
}

} // namespace

void addUserBulkCommands(CLI::App& users, Session& session) {
    struct Arguments {
        std::string file;
        bool update = false, dryRun = false;
        std::string format = "csv";
    };
    auto args = std::make_shared<Arguments>();

    CLI::App* importing = users.add_subcommand(
        "import", helpText(BulkTexts::tr("Adds or changes accounts from a CSV file in one write")));
    importing->add_option("FILE", args->file, helpText(BulkTexts::tr("The CSV file")))->required();
    importing->add_flag("--update", args->update,
                        helpText(BulkTexts::tr("Changes the accounts that exist already")));
    importing->add_flag("--dry-run", args->dryRun,
                        helpText(BulkTexts::tr("Says what would be added, changed and left, "
                                               "and writes nothing")));
    importing->callback([&session, args] {
        session.action = [&session, args] {
            import(session, args->file, args->update, args->dryRun);
        };
    });

    CLI::App* exporting = users.add_subcommand(
        "export", helpText(BulkTexts::tr("Writes every account to standard output")));
    exporting->add_option("--format", args->format, helpText(BulkTexts::tr("csv or json")))
        ->check(CLI::IsMember({"csv", "json"}));
    exporting->callback([&session, args] {
        session.action = [&session, args] { exportAccounts(session, args->format); };
    });
}

} // namespace vantor::admin
