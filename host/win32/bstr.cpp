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

std::string Bstr::ToAnsi() const { return AnsiFromWide(std::wstring_view(value_, SysStringLen(value_))); }

std::string AnsiFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int wideLength = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace host
