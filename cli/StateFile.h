#pragma once

#include "core/users/AccountPlan.h"
#include "core/vfs/MountPlan.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::admin {

// A fault of a desired state, at its place given as a JSON pointer
// ("/accounts/2/level").
struct StateError {
    std::string pointer;
    QString reason;
};

struct StateAddress {
    std::string pointer;
    std::string account; // empty: the entry for every account
    std::string address;
    bool present = true;
};

struct StateMount {
    std::string pointer;
    WantedMount want;
};

struct StateKey {
    std::string pointer;
    std::string key;
    std::string value; // as the configuration file is to hold it
};

struct StateServer {
    std::string pointer;
    std::string name;
    std::optional<std::string> root;
    std::vector<StateKey> keys;
    std::optional<bool> enabled;
};

// What a folder must hold, as a state file describes it. A section the file
// does not give is left alone, also by a prune; `given` tells them apart
// from sections given empty.
struct DesiredState {
    // The accounts, and where each stands in the state, side by side: the
    // planner takes the list as it is.
    std::vector<WantedAccount> accounts;
    std::vector<std::string> accountAt;
    std::vector<StateAddress> addresses;
    std::vector<StateMount> mounts;
    std::vector<StateServer> servers;
    bool accountsGiven = false, addressesGiven = false, mountsGiven = false;
};

// Reads a state file's JSON, every member checked for its kind and value: a
// fault does not stop the reading, so that all of them are found in one go.
// Passwords are read from their files and variables here; no fault's reason
// holds one. Paths of the configuration keys are taken from `directory`.
DesiredState ReadState(std::string_view json, const std::string& directory,
                       std::vector<StateError>& errors);

// The fault of an entry whose key another entry has: "listed already at
// `earlier`".
QString RepeatedEntryText(const std::string& earlier);

// A JSON pointer's member name, "~" and "/" escaped.
std::string PointerStep(std::string_view name);

} // namespace vantor::admin
