#include "core/vfs/VfsFile.h"

#include "core/lines/TextLineList.h"
#include "core/vfs/MountFields.h"

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
    std::string line;
    for (const MountFieldInfo& info : kMountFields) {
        if (info.field != MountField::Physical)
            line += kMountPointSeparator;
        switch (info.kind) {
        case MountFieldKind::Text:
            line += mount.*info.text;
            break;
        case MountFieldKind::Permissions:
            line += EncodePermissions(mount.rights);
            break;
        case MountFieldKind::Inherit:
            line += mount.inherit ? 'r' : 'n';
            break;
        }
    }
    return line;
}

bool ParseMountPoint(std::string_view line, MountPoint& mount) {
    bool decoded = false;
    std::string field;
    for (const MountFieldInfo& info : kMountFields) {
        const int index = static_cast<int>(info.field);
        switch (info.kind) {
        case MountFieldKind::Text:
            ExtractField(index, line, mount.*info.text, kMountPointSeparator);
            break;
        case MountFieldKind::Permissions:
            decoded = ExtractField(index, line, field, kMountPointSeparator) &&
                      DecodePermissions(field, mount.rights);
            break;
        case MountFieldKind::Inherit:
            field.clear();
            ExtractField(index, line, field, kMountPointSeparator);
            mount.inherit = DecodeInherit(field);
            break;
        }
    }
    return decoded &&
           std::count(line.begin(), line.end(), kMountPointSeparator) == kMountPointFieldCount - 1;
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
