#include "common/Errors.h"

#include "common/Text.h"

namespace wf {

CommandError::CommandError(int32_t number, std::u16string description)
    : std::runtime_error("command error " + std::to_string(number)),
      number_(number),
      description_(std::move(description)) {}

std::u16string StandardDescription(int32_t number) {
    switch (number) {
    case err::InvalidCall: return u"Invalid procedure call or argument";
    case err::Overflow: return u"Overflow";
    case err::DllLoad: return u"Error in loading DLL";
    case err::FileNotFound: return u"File not found";
    case err::FileExists: return u"File already exists";
    case err::DiskFull: return u"Disk full";
    case err::PermissionDenied: return u"Permission denied";
    case err::PathFileAccess: return u"Path/File access error";
    case err::PathNotFound: return u"Path not found";
    default: return u"Application-defined or object-defined error";
    }
}

CommandError MakeError(int32_t number) { return CommandError(number, StandardDescription(number)); }

}  // namespace wf
