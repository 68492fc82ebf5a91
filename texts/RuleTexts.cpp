#include "texts/RuleTexts.h"

#include "core/lines/TextLineList.h"
#include "texts/Strings.h"

namespace vantor {

namespace {

QString withLimit(Str text, std::size_t limit) {
    return loadString(text).arg(limit);
}

} // namespace

QString inputRuleText(InputRule rule) {
    switch (rule) {
    case InputRule::Ok:
        return {};
    case InputRule::FieldHasLineBreak:
        return loadString(Str::TextLineBreak);
    case InputRule::FieldHasColon:
        return loadString(Str::UserFieldColon);
    case InputRule::NameEmpty:
        return loadString(Str::UserNameEmpty);
    case InputRule::NameHasAt:
        return loadString(Str::UserNameAt);
    case InputRule::NameTooLong:
        return withLimit(Str::UserNameTooLong, kMaxUserNameLength);
    case InputRule::LineTooLong:
        return withLimit(Str::UserLineTooLong, kMaxUserLineLength);
    case InputRule::LineNameMismatch:
        return loadString(Str::UserLineNameMismatch);
    case InputRule::AddressMalformed:
        return loadString(Str::AddressMalformed);
    case InputRule::FieldHasEndByte:
        return loadString(Str::TextEndByte);
    }
    return {};
}

QString mountPointRuleText(MountPointRule rule) {
    switch (rule) {
    case MountPointRule::Ok:
        return {};
    case MountPointRule::FieldHasBar:
        return loadString(Str::MountFieldBar);
    case MountPointRule::FieldHasLineBreak:
        return loadString(Str::MountFieldLineBreak);
    case MountPointRule::FieldHasEndByte:
        return loadString(Str::MountFieldEndByte);
    case MountPointRule::NameTooLong:
        return withLimit(Str::MountNameTooLong, kMaxMountNameLength);
    case MountPointRule::LineTooLong:
        return withLimit(Str::MountLineTooLong, kMaxMountLineLength);
    case MountPointRule::PhysicalPathEmpty:
        return loadString(Str::PhysicalPathEmpty);
    case MountPointRule::PhysicalPathMissing:
        return loadString(Str::PhysicalPathMissing);
    case MountPointRule::VirtualPathEmpty:
        return loadString(Str::VirtualPathEmpty);
    case MountPointRule::VirtualPathNotFull:
        return loadString(Str::VirtualPathNotFull);
    }
    return {};
}

} // namespace vantor
