#include "core/vfs/VfsFile.h"

#include "core/lines/TextLineList.h"

#include <algorithm>

namespace vantor {

namespace {

char encodeDigit(bool read, bool write, bool execute) {
    return static_cast<char>('0' + (read ? 4 : 0) + (write ? 2 : 0) + (execute ? 1 : 0));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string EncodePermissions(const Permissions& r) {
    return {encodeDigit(r.ownerRead, r.ownerWrite, r.ownerExecute),
            encodeDigit(r.groupRead, r.groupWrite, r.groupExecute),
            encodeDigit(r.otherRead, r.otherWrite, r.otherExecute)};
}

bool DecodePermissions(std::string_view field, Permissions& rights) {
    if (field.size() < 3 || !std::all_of(field.begin(), field.begin() + 3, isDigit))
        return false;
    auto bits = [&](int at, bool& read, bool& write, bool& execute) {
        const int value = field[at] - '0';
        read = (value & 4) != 0;
        write = (value & 2) != 0;
        execute = (value & 1) != 0;
    };
    bits(0, rights.ownerRead, rights.ownerWrite, rights.ownerExecute);
    bits(1, rights.groupRead, rights.groupWrite, rights.groupExecute);
    bits(2, rights.otherRead, rights.otherWrite, rights.otherExecute);
    return true;
}

std::string FormatMountPoint(const MountPoint& mount) {
    return JoinFields({mount.physicalPath, mount.virtualPath, mount.owner, mount.group,
                       EncodePermissions(mount.rights), mount.inherit ? "r" : "n"},
                      kMountPointSeparator);
}

bool ParseMountPoint(std::string_view line, MountPoint& mount) {
    const char sep = kMountPointSeparator;
    ExtractField(0, line, mount.physicalPath, sep);
    ExtractField(1, line, mount.virtualPath, sep);
    ExtractField(2, line, mount.owner, sep);
    ExtractField(3, line, mount.group, sep);
    std::string field;
    const bool decoded =
        ExtractField(4, line, field, sep) && DecodePermissions(field, mount.rights);
    field.clear();
    ExtractField(5, line, field, sep);
    mount.inherit = DecodeInherit(field);
    return decoded && std::count(line.begin(), line.end(), sep) == kMountPointFieldCount - 1;
}

bool DecodeInherit(std::string_view field) {
    return field == "r";
}

std::string DefaultRootLine(const std::string& rootDirectory, const std::string& owner,
                            const std::string& group, RootLineFormat format) {
    return JoinFields({rootDirectory, "/", owner, group,
                       format == RootLineFormat::WizardPage ? "754" : "755", "r"},
                      kMountPointSeparator);
}

} // namespace vantor
