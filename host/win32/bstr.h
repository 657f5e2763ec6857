#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace host {

// Owns one BSTR (SysFreeString).
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view ansi);
  Bstr(Bstr&& other) noexcept : value_(other.value_) { other.value_ = nullptr; }
  Bstr& operator=(Bstr&& other) noexcept;
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(value_); }

  BSTR get() const { return value_; }
  BSTR* put();  // frees the current value; for out-parameters
  // Hands the string to a new owner (a VARIANT, an out-parameter).
  BSTR release() { return std::exchange(value_, nullptr); }
  std::string ToAnsi() const;

 private:
  BSTR value_ = nullptr;
};

// Wide text in the ANSI code page, as the runtime's strings hold it.
std::string AnsiFromWide(std::wstring_view wide);

}  // namespace host
