// Feeds arbitrary bytes to the form-description reader, then reads every
// setting of every block through a property bag as each value type. A run-time
// error is a fair answer to bad text; a crash, a hang or a leak is not. A value
// that reads is written back as a designer saves it and must read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/description/form_text.h"
#include "host/description/property_bag.h"
#include "host/runtime/error.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

template <typename T>
void ReadAndWriteBack(const host::PropertyBag& bag, const std::string& key) {
  T value{};
  try {
    value = bag.ReadProperty<T>(key, T{});
  } catch (const host::RuntimeError&) {
    return;
  }
  host::PropertyBag saved;
  saved.WriteProperty<T>(key, value, T{});
  const std::string text = "Begin Fuzz.Saved Saved\r\n" + host::WritePropertyBlock(saved.Block(), 1) + "End\r\n";
  const host::PropertyBag reread(host::ParseFormText(text, "saved").properties, "saved");
  Require(reread.ReadProperty<T>(key, T{}) == value);
}

// One bag per setting keeps the work linear in the size of the input.
void ReadEverySetting(const host::PropertyBlock& block) {
  for (const host::PropertySetting& setting : block.settings) {
    const host::PropertyBag bag(host::PropertyBlock{{setting}, {}}, "Fuzz");
    ReadAndWriteBack<host::Integer>(bag, setting.key);
    ReadAndWriteBack<host::Long>(bag, setting.key);
    ReadAndWriteBack<host::Single>(bag, setting.key);
    ReadAndWriteBack<double>(bag, setting.key);
    ReadAndWriteBack<host::Boolean>(bag, setting.key);
    ReadAndWriteBack<host::OleColor>(bag, setting.key);
    ReadAndWriteBack<std::string>(bag, setting.key);
    ReadAndWriteBack<host::Date>(bag, setting.key);
  }
  for (const host::PropertyGroup& group : block.groups) {
    ReadAndWriteBack<host::Font>(host::PropertyBag(host::PropertyBlock{{}, {group}}, "Fuzz"), group.name);
    ReadEverySetting(group.block);
  }
}

void ReadEveryObject(const host::ObjectDescription& object) {
  ReadEverySetting(object.properties);
  for (const host::ObjectDescription& child : object.children) ReadEveryObject(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  host::ObjectDescription form;
  try {
    form = host::ParseFormText(text, "fuzz.frm");
  } catch (const host::RuntimeError&) {
    return 0;
  }
  // From here a run-time error is a fault: saved values must read back.
  ReadEveryObject(form);
  return 0;
}
