#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "host/runtime/types.h"

namespace host {

// Run-time error numbers the runtime raises itself.
namespace error_number {
inline constexpr Long InvalidCall = 5;
inline constexpr Long Overflow = 6;
inline constexpr Long OutOfMemory = 7;
inline constexpr Long SubscriptOutOfRange = 9;
inline constexpr Long DivisionByZero = 11;
inline constexpr Long TypeMismatch = 13;
inline constexpr Long DllLoad = 48;
inline constexpr Long InternalError = 51;
inline constexpr Long FileNotFound = 53;
inline constexpr Long ControlArrayElementMissing = 340;
inline constexpr Long InvalidPropertyValue = 380;
inline constexpr Long PropertyReadOnly = 383;
inline constexpr Long ObjectRequired = 424;
inline constexpr Long CannotCreateObject = 429;
inline constexpr Long MemberNotSupported = 438;
inline constexpr Long ArgumentNotOptional = 449;
inline constexpr Long WrongArgumentCount = 450;
inline constexpr Long EntryPointNotFound = 453;
inline constexpr Long InvalidPicture = 481;
}  // namespace error_number

// The standard text of an error number ("Application-defined or object-defined
// error" for numbers the runtime has no text for).
std::string StandardDescription(Long number);

// A run-time error in flight: thrown where the error happens, caught by a
// resume-next routine or by the untrapped-error policy.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(Long number);
  RuntimeError(Long number, const std::string& description);
  Long Number() const { return number_; }
  std::string Description() const { return what(); }

 private:
  Long number_;
};

// The program-wide error object: the last error caught, until cleared.
class ErrorObject {
 public:
  Long Number() const { return number_; }
  const std::string& Description() const { return description_; }
  void Clear();
  // Raises a run-time error (throws); an empty description takes the standard one.
  [[noreturn]] void Raise(Long number, std::string_view description = {});
  void Record(const RuntimeError& error);

 private:
  Long number_ = 0;
  std::string description_;
};

ErrorObject& Err();

}  // namespace host
