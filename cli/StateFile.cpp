// The desired state of a folder read from its JSON. The state of a fleet's
// folder may list 100,000 accounts and is read on every run of a playbook, so
// it is parsed by simdjson, a tenth of the time of a general JSON library.
#include "cli/StateFile.h"

#include "cli/Admin.h"
#include "cli/ServerRules.h"
#include "cli/UserColumns.h"
#include "core/lines/FileSystem.h"
#include "core/lines/WholeFile.h"
#include "core/users/AllowFile.h"
#include "texts/ErrorTexts.h"

#include <simdjson.h>

#include <cstdlib>
#include <unordered_map>

namespace vantor::admin {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

class StateTexts {
    Q_DECLARE_TR_FUNCTIONS(StateTexts)
public:
    static QString notJson(const char* why) {
        return tr("not JSON: %1").arg(QString::fromUtf8(why));
    }
    static QString notObject() { return tr("must be an object"); }
    static QString notArray() { return tr("must be an array of objects"); }
    static QString unknown() { return tr("unknown field"); }
    static QString notText() { return tr("must be a text or an array of byte values"); }
    static QString notFlag() { return tr("must be true or false"); }
    static QString required() { return tr("missing , and required"); }
    static QString stateWord() { return tr("must be present or absent"); }
    static QString updateWord() { return tr("must be always or on_create"); }
    static QString onePassword() {
        return tr("give only one of password, password_file and password_env");
    }
    static QString unreadable(const std::string& file, const QString& why) {
        return tr("%1 can not be read: %2").arg(shown(file), why);
    }
    static QString noVariable(const std::string& name) {
        return tr("there is no environment variable %1").arg(shown(name));
    }
    static QString repeated(const std::string& earlier) {
        return tr("listed already at %1").arg(shown(earlier));
    }
    static QString notAbsolute() { return tr("must be an absolute path"); }
    static QString permissions() { return tr("must be three digits 0 to 7 , such as 754"); }
    static QString keyValue() { return tr("must be a text, a whole number, or true or false"); }
};

// Where a value stands in the state: its object's pointer and its member's
// name. The pointer is made only for a fault, not for every value read.
struct Place {
    const std::string& at;
    std::string_view key;
    std::string pointer() const { return key.empty() ? at : at + "/" + PointerStep(key); }
};

class Reader {
public:
    Reader(const std::string& directory, std::vector<StateError>& errors)
        : directory_(directory), errors_(errors) {}

    void fault(const std::string& pointer, const QString& reason) {
        errors_.push_back({pointer, reason});
    }
    void fault(const Place& place, const QString& reason) { fault(place.pointer(), reason); }

    // The bytes of a text: a JSON string, or an array of byte values.
    std::optional<std::string> text(const element& value, const Place& pointer) {
        std::string_view view;
        if (!value.get(view))
            return std::string(view);
        simdjson::dom::array bytes;
        if (!value.get(bytes)) {
            std::string out;
            for (const element item : bytes) {
                std::uint64_t byte = 0;
                if (item.get(byte) || byte > 255) {
                    fault(pointer, StateTexts::notText());
                    return std::nullopt;
                }
                out += static_cast<char>(byte);
            }
            return out;
        }
        fault(pointer, StateTexts::notText());
        return std::nullopt;
    }

    std::optional<bool> flag(const element& value, const Place& pointer) {
        bool set = false;
        if (value.get(set)) {
            fault(pointer, StateTexts::notFlag());
            return std::nullopt;
        }
        return set;
    }

    // "present" or "absent": true for present.
    bool present(const element& value, const Place& pointer) {
        std::string_view word;
        if (value.get(word) || (word != "present" && word != "absent")) {
            fault(pointer, StateTexts::stateWord());
            return true;
        }
        return word == "present";
    }

    std::optional<std::string> absolutePath(const element& value, const Place& pointer) {
        auto path = text(value, pointer);
        if (path && (path->empty() || path->front() != kPathSeparator)) {
            fault(pointer, StateTexts::notAbsolute());
            return std::nullopt;
        }
        return path;
    }

    // The objects of a section, each with its pointer.
    template <typename Each>
    void objects(const element& section, const std::string& pointer, Each&& each) {
        simdjson::dom::array items;
        if (section.get(items)) {
            fault(pointer, StateTexts::notArray());
            return;
        }
        std::size_t index = 0;
        for (const element item : items) {
            const std::string at = pointer + "/" + std::to_string(index++);
            simdjson::dom::object members;
            if (item.get(members))
                fault(at, StateTexts::notObject());
            else
                each(members, at);
        }
    }

    // Refuses a second entry of the same key, naming the first.
    void once(std::unordered_map<std::string, std::string>& seen, const std::string& key,
              const std::string& pointer) {
        const auto [first, added] = seen.try_emplace(key, pointer);
        if (!added)
            fault(pointer, StateTexts::repeated(first->second));
    }

    void account(const simdjson::dom::object& members, const std::string& at, DesiredState& state) {
        WantedAccount want;
        std::optional<std::string> password;
        std::optional<std::string_view> passwordKey;
        bool onCreate = false;
        // The secret of an account that is to go is not needed, and may be gone.
        std::string_view stateWord;
        const bool leaving = !members.at_key("state").get(stateWord) && stateWord == "absent";
        const auto takePassword = [&](const Place& pointer, std::optional<std::string> got) {
            if (passwordKey) {
                fault(pointer, StateTexts::onePassword());
                return;
            }
            passwordKey = pointer.key;
            password = std::move(got);
        };
        for (const auto [key, value] : members) {
            const Place pointer{at, key};
            if (key == "state") {
                want.present = present(value, pointer);
            } else if (key == "update_password") {
                std::string_view word;
                if (value.get(word) || (word != "always" && word != "on_create"))
                    fault(pointer, StateTexts::updateWord());
                onCreate = word == "on_create";
            } else if (key == "password_file") {
                const auto file = text(value, pointer);
                takePassword(pointer,
                             file && !leaving ? passwordFrom(*file, pointer) : std::nullopt);
            } else if (key == "password_env") {
                const auto name = text(value, pointer);
                takePassword(pointer, name && !leaving ? passwordOf(*name, pointer) : std::nullopt);
            } else if (key == "password") {
                takePassword(pointer, text(value, pointer));
            } else if (const auto field = UserColumn(key)) {
                if (const auto cell = fieldText(value, FieldInfo(*field).kind, pointer))
                    take(*field, *cell, pointer, want.fields);
            } else {
                fault(pointer, StateTexts::unknown());
            }
        }
        if (password)
            take(UserField::Password, *password, Place{at, *passwordKey}, want.fields);
        if (onCreate)
            want.onCreateOnly.set(static_cast<std::size_t>(UserField::Password));
        if (members.at_key("name").error())
            fault(at + "/name", StateTexts::required());
        want.name = want.fields.values.name;
        state.accounts.push_back(std::move(want));
        state.accountAt.push_back(at);
    }

    void address(const simdjson::dom::object& members, const std::string& at, DesiredState& state) {
        StateAddress entry{at, {}, {}, true};
        bool hasAddress = false;
        for (const auto [key, value] : members) {
            const Place pointer{at, key};
            if (key == "state") {
                entry.present = present(value, pointer);
            } else if (key == "account" || key == "address") {
                const auto got = text(value, pointer);
                if (!got)
                    continue;
                const InputRule rule =
                    key == "account" ? CheckUserName(*got) : CheckAllowedAddress(*got);
                if (rule != InputRule::Ok)
                    fault(pointer, ruleText(rule));
                (key == "account" ? entry.account : entry.address) = *got;
                hasAddress = hasAddress || key == "address";
            } else {
                fault(pointer, StateTexts::unknown());
            }
        }
        if (!hasAddress && members.at_key("address").error())
            fault(at + "/address", StateTexts::required());
        const std::string line =
            entry.account.empty() ? entry.address : AllowedEntry(entry.account, entry.address);
        once(addresses_, line, at);
        state.addresses.push_back(std::move(entry));
    }

    void mount(const simdjson::dom::object& members, const std::string& at, DesiredState& state) {
        StateMount entry{at, {}};
        WantedMount& want = entry.want;
        bool hasVirtual = false;
        for (const auto [key, value] : members) {
            const Place pointer{at, key};
            if (key == "state") {
                want.present = present(value, pointer);
            } else if (key == "virtual") {
                if (const auto path = text(value, pointer)) {
                    want.virtualPath = *path;
                    hasVirtual = true;
                }
            } else if (key == "physical") {
                want.physical = absolutePath(value, pointer);
            } else if (key == "owner") {
                want.owner = text(value, pointer);
            } else if (key == "group") {
                want.group = text(value, pointer);
            } else if (key == "permissions") {
                std::string_view digits;
                Permissions rights;
                if (value.get(digits) || digits.size() != 3 ||
                    digits.find_first_not_of("01234567") != std::string_view::npos ||
                    !DecodePermissions(digits, rights))
                    fault(pointer, StateTexts::permissions());
                else
                    want.rights = rights;
            } else if (key == "inherit") {
                want.inherit = flag(value, pointer);
            } else {
                fault(pointer, StateTexts::unknown());
            }
        }
        if (!hasVirtual && members.at_key("virtual").error())
            fault(at + "/virtual", StateTexts::required());
        if (hasVirtual)
            once(mounts_, want.virtualPath, at + "/virtual");
        state.mounts.push_back(std::move(entry));
    }

    void server(const simdjson::dom::object& members, const std::string& at, DesiredState& state) {
        StateServer entry{at, {}, {}, {}, {}};
        bool named = false;
        for (const auto [key, value] : members) {
            const Place pointer{at, key};
            if (key == "name") {
                const auto name = text(value, pointer);
                if (name && !ServerNameFits(*name))
                    fault(pointer, ServerNameText());
                else if (name) {
                    entry.name = *name;
                    named = true;
                }
            } else if (key == "root") {
                entry.root = absolutePath(value, pointer);
                if (entry.root)
                    if (const auto rootFault = RootDirectoryFault(*entry.root))
                        fault(pointer, *rootFault);
            } else if (key == "enabled") {
                entry.enabled = flag(value, pointer);
            } else if (key == "keys") {
                keys(value, pointer, entry);
            } else {
                fault(pointer, StateTexts::unknown());
            }
        }
        if (!named && members.at_key("name").error())
            fault(at + "/name", StateTexts::required());
        if (named)
            once(servers_, entry.name, at + "/name");
        state.servers.push_back(std::move(entry));
    }

private:
    std::optional<std::string> passwordFrom(const std::string& file, const Place& pointer) {
        try {
            std::string bytes = ReadWholeFile(vantor::admin::absolutePath(file));
            return firstLine(std::move(bytes));
        } catch (const FileError& error) {
            fault(pointer, StateTexts::unreadable(file, fileErrorReason(error)));
            return std::nullopt;
        }
    }

    std::optional<std::string> passwordOf(const std::string& name, const Place& pointer) {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) {
            fault(pointer, StateTexts::noVariable(name));
            return std::nullopt;
        }
        return firstLine(value);
    }

    // A secret's file or variable commonly ends in a line end, which is not
    // part of the password.
    static std::string firstLine(std::string text) {
        text.resize(std::min(text.size(), text.find('\n')));
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        return text;
    }

    // A value as the text TakeColumn takes: texts as their bytes, flags as 1
    // or 0, numbers in decimal, the level by its name.
    std::optional<std::string> fieldText(const element& value, UserFieldKind kind,
                                         const Place& pointer) {
        if (kind == UserFieldKind::Flag) {
            const auto set = flag(value, pointer);
            return set ? std::optional<std::string>(*set ? "1" : "0") : std::nullopt;
        }
        if (kind == UserFieldKind::SignedNumber || kind == UserFieldKind::Counter) {
            std::uint64_t number = 0;
            if (value.get(number) || number > UINT32_MAX) {
                fault(pointer, wholeNumberText());
                return std::nullopt;
            }
            return std::to_string(number);
        }
        return text(value, pointer);
    }

    void take(UserField field, std::string_view text, const Place& pointer, AccountFields& fields) {
        if (const auto refused = TakeColumn(field, text, fields))
            fault(pointer, *refused);
    }

    void keys(const element& value, const Place& place, StateServer& entry) {
        const std::string at = place.pointer();
        simdjson::dom::object members;
        if (value.get(members)) {
            fault(at, StateTexts::notObject());
            return;
        }
        for (const auto [name, setting] : members) {
            const Place pointer{at, name};
            std::string text;
            std::string_view view;
            std::uint64_t number = 0;
            bool set = false;
            if (!setting.get(view))
                text = view;
            else if (!setting.get(number))
                text = std::to_string(number);
            else if (!setting.get(set))
                text = set ? "1" : "0";
            else {
                fault(pointer, StateTexts::keyValue());
                continue;
            }
            const std::string key(name);
            const bool path = key == "VFSFILE" || key == "USRFILE" || key == "IPFILE";
            if (path && !text.empty() && text.front() != kPathSeparator)
                text = JoinPath(directory_, text);
            ServerDesign scratch;
            const DesignKeyCheck check = SetDesignKey(scratch, key, text);
            if (check.rule != DesignKeyCheck::Rule::Ok) {
                fault(pointer, DesignKeyReason(key, check, text));
                continue;
            }
            entry.keys.push_back({pointer.pointer(), key, DesignKeyValue(scratch, key)});
        }
    }

    const std::string& directory_;
    std::vector<StateError>& errors_;
    std::unordered_map<std::string, std::string> addresses_, mounts_, servers_;
};

} // namespace

QString RepeatedEntryText(const std::string& earlier) {
    return StateTexts::repeated(earlier);
}

std::string PointerStep(std::string_view name) {
    std::string step;
    for (const char c : name) {
        if (c == '~')
            step += "~0";
        else if (c == '/')
            step += "~1";
        else
            step += c;
    }
    return step;
}

DesiredState ReadState(std::string_view json, const std::string& directory,
                       std::vector<StateError>& errors) {
    DesiredState state;
    simdjson::dom::parser parser;
    const simdjson::padded_string padded(json);
    element root;
    if (const auto error = parser.parse(padded).get(root)) {
        errors.push_back({"", StateTexts::notJson(simdjson::error_message(error))});
        return state;
    }
    simdjson::dom::object sections;
    if (root.get(sections)) {
        errors.push_back({"", StateTexts::notObject()});
        return state;
    }
    Reader reader(directory, errors);
    for (const auto [key, value] : sections) {
        const std::string pointer = "/" + PointerStep(key);
        if (key == "accounts") {
            state.accountsGiven = true;
            simdjson::dom::array items;
            if (!value.get(items)) {
                state.accounts.reserve(items.size());
                state.accountAt.reserve(items.size());
            }
            reader.objects(value, pointer, [&](const auto& members, const std::string& at) {
                reader.account(members, at, state);
            });
        } else if (key == "addresses") {
            state.addressesGiven = true;
            reader.objects(value, pointer, [&](const auto& members, const std::string& at) {
                reader.address(members, at, state);
            });
        } else if (key == "mounts") {
            state.mountsGiven = true;
            reader.objects(value, pointer, [&](const auto& members, const std::string& at) {
                reader.mount(members, at, state);
            });
        } else if (key == "servers") {
            reader.objects(value, pointer, [&](const auto& members, const std::string& at) {
                reader.server(members, at, state);
            });
        } else {
            reader.fault(pointer, StateTexts::unknown());
        }
    }
    return state;
}

} // namespace vantor::admin
