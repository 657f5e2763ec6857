// Feeds arbitrary bytes to a whole conversion in both editions. The converter
// must neither crash nor hang, and what it writes must stay well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "converter/core/converter.h"

namespace {

converter::LocalDateTime FixedTime() { return {2026, 12, 7, 9, 30, 0}; }

void Require(bool condition) {
  if (!condition) std::abort();
}

void ConvertWith(converter::Edition edition, std::string_view form) {
  converter::Converter run(edition, FixedTime);
  converter::StringSink out;
  run.ConvertForm(form, "fuzz.frm", out);
  const std::string& bytes = out.bytes();
  Require(bytes.starts_with("'====="));
  Require(bytes.ends_with("END FUNCTION\r\n'" + std::string(76, '=') + "\r\n\r\n"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view form(reinterpret_cast<const char*>(data), size);
  ConvertWith(converter::Edition::Formwright, form);
  ConvertWith(converter::Edition::Tinwright, form);
  return 0;
}
