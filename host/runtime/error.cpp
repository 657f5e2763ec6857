#include "host/runtime/error.h"

namespace host {

std::string StandardDescription(Long number) {
  switch (number) {
    case error_number::InvalidCall:
      return "Invalid procedure call or argument";
    case error_number::Overflow:
      return "Overflow";
    case error_number::OutOfMemory:
      return "Out of memory";
    case error_number::SubscriptOutOfRange:
      return "Subscript out of range";
    case error_number::DivisionByZero:
      return "Division by zero";
    case error_number::TypeMismatch:
      return "Type mismatch";
    case error_number::DllLoad:
      return "Error in loading DLL";
    case error_number::InternalError:
      return "Internal error";
    case error_number::FileNotFound:
      return "File not found";
    case error_number::ControlArrayElementMissing:
      return "Control array element doesn't exist";
    case error_number::InvalidPropertyValue:
      return "Invalid property value";
    case error_number::PropertyReadOnly:
      return "Property is read-only";
    case error_number::ObjectRequired:
      return "Object required";
    case error_number::CannotCreateObject:
      return "ActiveX component can't create object";
    case error_number::MemberNotSupported:
      return "Object doesn't support this property or method";
    case error_number::ArgumentNotOptional:
      return "Argument not optional";
    case error_number::WrongArgumentCount:
      return "Wrong number of arguments or invalid property assignment";
    case error_number::EntryPointNotFound:
      return "Can't find DLL entry point";
    case error_number::InvalidPicture:
      return "Invalid picture";
    default:
      return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(Long number) : RuntimeError(number, StandardDescription(number)) {}

RuntimeError::RuntimeError(Long number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

void ErrorObject::Clear() {
  number_ = 0;
  description_.clear();
}

void ErrorObject::Raise(Long number, std::string_view description) {
  const RuntimeError error =
      description.empty() ? RuntimeError(number) : RuntimeError(number, std::string(description));
  Record(error);
  throw error;
}

void ErrorObject::Record(const RuntimeError& error) {
  number_ = error.Number();
  description_ = error.Description();
}

ErrorObject& Err() {
  static ErrorObject error;
  return error;
}

}  // namespace host
