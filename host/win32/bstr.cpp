#include "host/win32/bstr.h"

#include <utility>

namespace host {

Bstr::Bstr(std::string_view ansi) {
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  value_ = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), value_, length);
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  SysFreeString(std::exchange(value_, std::exchange(other.value_, nullptr)));
  return *this;
}

BSTR* Bstr::put() {
  SysFreeString(std::exchange(value_, nullptr));
  return &value_;
}

std::string Bstr::ToAnsi() const {
  const int wideLength = static_cast<int>(SysStringLen(value_));
  if (wideLength == 0) return {};
  const int length = WideCharToMultiByte(CP_ACP, 0, value_, wideLength, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, value_, wideLength, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace host
