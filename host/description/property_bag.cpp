#include "host/description/property_bag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "host/runtime/ascii_text.h"
#include "host/runtime/error.h"
#include "host/runtime/iso_date.h"

namespace host {
namespace {

// Whole numbers as stored: decimal, or hexadecimal as &H...& (the trailing
// & marks a 32-bit value).
std::optional<long long> ParseWhole(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    base = 16;
    text.remove_prefix(2);
    if (!text.empty() && text.back() == '&') text.remove_suffix(1);
  }
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// Decimal numbers with a '.' whatever the process locale. Infinities, "nan"
// and magnitudes beyond a double are no stored value.
std::optional<double> ParseNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::string> ParseQuoted(std::string_view text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  std::string value;
  for (std::size_t at = 1; at + 1 < text.size(); ++at) {
    value.push_back(text[at]);
    if (text[at] == '"') ++at;
  }
  return value;
}

std::string Quote(std::string_view value) {
  std::string text = "\"";
  for (const char c : value) {
    text.push_back(c);
    if (c == '"') text.push_back('"');
  }
  return text + "\"";
}

std::string FormatNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatColor(OleColor color) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "&H%08lX&", static_cast<unsigned long>(color));
  return buffer;
}

[[noreturn]] void FailValue(const std::string& context, std::string_view key, std::string_view value) {
  throw RuntimeError(error_number::InvalidPropertyValue,
                     context + ": invalid value '" + std::string(value) + "' for " + std::string(key));
}

template <typename T>
T WholeInRange(const std::string& context, std::string_view key, std::string_view text, long long low, long long high) {
  const std::optional<long long> value = ParseWhole(text);
  if (!value || *value < low || *value > high) FailValue(context, key, text);
  return static_cast<T>(*value);
}

template <typename T>
T Decode(const std::string& context, std::string_view key, std::string_view text) {
  if constexpr (std::is_same_v<T, Integer>) {
    return WholeInRange<Integer>(context, key, text, -32768, 32767);
  } else if constexpr (std::is_same_v<T, Long>) {
    return WholeInRange<Long>(context, key, text, -2147483648LL, 4294967295LL);
  } else if constexpr (std::is_same_v<T, OleColor>) {
    return WholeInRange<OleColor>(context, key, text, -2147483648LL, 4294967295LL);
  } else if constexpr (std::is_same_v<T, Boolean>) {
    if (EqualsIgnoreCase(text, "True")) return True;
    if (EqualsIgnoreCase(text, "False")) return False;
    return Boolean::FromInteger(WholeInRange<Integer>(context, key, text, -32768, 32767));
  } else if constexpr (std::is_same_v<T, Single> || std::is_same_v<T, double>) {
    const std::optional<double> value = ParseNumber(text);
    if (!value || std::abs(*value) > std::numeric_limits<T>::max()) FailValue(context, key, text);
    return static_cast<T>(*value);
  } else if constexpr (std::is_same_v<T, std::string>) {
    const std::optional<std::string> value = ParseQuoted(text);
    return value ? *value : std::string(text);
  } else if constexpr (std::is_same_v<T, Date>) {
    // Quoted dates are ISO text, not the user's locale: a form reads the same everywhere.
    if (const std::optional<std::string> quoted = ParseQuoted(text)) {
      const std::optional<Date> date = DateFromIsoText(*quoted);
      if (!date) FailValue(context, key, text);
      return *date;
    }
    const std::optional<double> serial = ParseNumber(text);
    if (!serial) FailValue(context, key, text);
    return Date(*serial);
  } else {
    static_assert(sizeof(T) == 0, "no stored form for this type");
  }
}

template <typename T>
std::string Encode(const T& value) {
  if constexpr (std::is_same_v<T, Integer> || std::is_same_v<T, Long>) {
    return std::to_string(value);
  } else if constexpr (std::is_same_v<T, OleColor>) {
    return FormatColor(value);
  } else if constexpr (std::is_same_v<T, Boolean>) {
    return std::to_string(value.Value());
  } else if constexpr (std::is_same_v<T, Single> || std::is_same_v<T, double>) {
    return FormatNumber(value);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return Quote(value);
  } else {
    return FormatNumber(value.Serial());
  }
}

Font DecodeFont(const PropertyBag& group) {
  Font font;
  font.Name = group.ReadProperty<std::string>("Name", font.Name);
  font.Size = group.ReadProperty<Single>("Size", font.Size);
  font.Charset = group.ReadProperty<Integer>("Charset", font.Charset);
  font.Bold = group.ReadProperty<Integer>("Weight", 400) >= 700;
  font.Underline = static_cast<bool>(group.ReadProperty<Boolean>("Underline", False));
  font.Italic = static_cast<bool>(group.ReadProperty<Boolean>("Italic", False));
  font.Strikethrough = static_cast<bool>(group.ReadProperty<Boolean>("Strikethrough", False));
  return font;
}

PropertyBlock EncodeFont(const Font& font) {
  PropertyBlock block;
  block.settings = {{"Name", Quote(font.Name)},
                    {"Size", FormatNumber(font.Size)},
                    {"Charset", std::to_string(font.Charset)},
                    {"Weight", std::to_string(font.Weight())},
                    {"Underline", std::to_string(Boolean(font.Underline).Value())},
                    {"Italic", std::to_string(Boolean(font.Italic).Value())},
                    {"Strikethrough", std::to_string(Boolean(font.Strikethrough).Value())}};
  return block;
}

}  // namespace

template <typename T>
T PropertyBag::ReadProperty(std::string_view key, std::type_identity_t<T> defaultValue) const {
  if (source_) return PropertyBag(Holding(key), context_).ReadProperty<T>(key, defaultValue);
  if constexpr (std::is_same_v<T, Font>) {
    const PropertyGroup* group = block_.FindGroup(key);
    if (group == nullptr) return defaultValue;
    return DecodeFont(PropertyBag(group->block, context_ + "." + std::string(key)));
  } else {
    const PropertySetting* setting = block_.Find(key);
    if (setting == nullptr) return defaultValue;
    return Decode<T>(context_, key, setting->value);
  }
}

template <typename T>
void PropertyBag::WriteProperty(std::string_view key, const std::type_identity_t<T>& value,
                                const std::type_identity_t<T>& defaultValue) {
  if (value == defaultValue) {
    Remove(key);
  } else {
    SetProperty<T>(key, value);
  }
}

template <typename T>
void PropertyBag::SetProperty(std::string_view key, const std::type_identity_t<T>& value) {
  Remove(key);
  if constexpr (std::is_same_v<T, Font>) {
    block_.groups.push_back({std::string(key), EncodeFont(value)});
  } else {
    block_.settings.push_back({std::string(key), Encode<T>(value)});
  }
}

bool PropertyBag::Contains(std::string_view key) const {
  if (source_) return PropertyBag(Holding(key), context_).Contains(key);
  return block_.Find(key) != nullptr || block_.FindGroup(key) != nullptr;
}

StoredObjectPtr PropertyBag::ReadObject(std::string_view key) const {
  if (source_) return source_->FetchObject(key);
  for (const auto& [name, object] : objects_) {
    if (EqualsIgnoreCase(name, key)) return object;
  }
  return nullptr;
}

void PropertyBag::WriteObject(std::string_view key, StoredObjectPtr object) {
  Remove(key);
  if (object) objects_.emplace_back(std::string(key), std::move(object));
}

PropertyBlock PropertyBag::Holding(std::string_view key) const { return source_->Fetch(key); }

void PropertyBag::Remove(std::string_view key) {
  std::erase_if(block_.settings, [&](const PropertySetting& setting) { return EqualsIgnoreCase(setting.key, key); });
  std::erase_if(block_.groups, [&](const PropertyGroup& group) { return EqualsIgnoreCase(group.name, key); });
  std::erase_if(objects_, [&](const auto& stored) { return EqualsIgnoreCase(stored.first, key); });
}

#define HOST_PROPERTY_BAG_TYPE(T)                                                               \
  template T PropertyBag::ReadProperty<T>(std::string_view, std::type_identity_t<T>) const;     \
  template void PropertyBag::WriteProperty<T>(std::string_view, const std::type_identity_t<T>&, \
                                              const std::type_identity_t<T>&);                  \
  template void PropertyBag::SetProperty<T>(std::string_view, const std::type_identity_t<T>&);
HOST_PROPERTY_BAG_TYPE(Integer)
HOST_PROPERTY_BAG_TYPE(Long)
HOST_PROPERTY_BAG_TYPE(Single)
HOST_PROPERTY_BAG_TYPE(double)
HOST_PROPERTY_BAG_TYPE(Boolean)
HOST_PROPERTY_BAG_TYPE(OleColor)
HOST_PROPERTY_BAG_TYPE(std::string)
HOST_PROPERTY_BAG_TYPE(Date)
HOST_PROPERTY_BAG_TYPE(Font)
#undef HOST_PROPERTY_BAG_TYPE

}  // namespace host
