#pragma once

#include <functional>
#include <type_traits>
#include <vector>

#include "host/com/stored_picture.h"
#include "host/description/property_bag.h"
#include "regions/errors_ignored.h"

namespace regions {

// One persisted property of a control: its key, read from a bag into the
// control (a missing key gives the default), and written from it (a value
// equal to the default is not stored).
struct StoredKey {
  const char* name;
  std::function<void(const host::PropertyBag&)> read;
  std::function<void(host::PropertyBag&)> write;
};

template <typename T>
StoredKey Stored(const char* name, const std::type_identity_t<T>& defaultValue,
                 std::type_identity_t<std::function<T()>> get,
                 std::type_identity_t<std::function<void(const T&)>> set) {
  return {name, [=](const host::PropertyBag& bag) { set(bag.ReadProperty<T>(name, defaultValue)); },
          [=](host::PropertyBag& bag) { bag.WriteProperty<T>(name, get(), defaultValue); }};
}

// A picture object's key: absent means no picture.
inline StoredKey StoredPictureKey(const char* name, const std::function<host::ComPtr<IPictureDisp>()>& get,
                                  const std::function<void(IPictureDisp*)>& set) {
  return {name, [=](const host::PropertyBag& bag) { set(host::ReadPictureProperty(bag, name).Get()); },
          [=](host::PropertyBag& bag) { host::WritePictureProperty(bag, name, get().Get()); }};
}

// Each key in turn, a failing one skipped; the error state ends clear.
inline void ReadKeys(const std::vector<StoredKey>& keys, const host::PropertyBag& bag) {
  ErrorsIgnored statement;
  for (const StoredKey& key : keys) statement([&] { key.read(bag); });
}
inline void WriteKeys(const std::vector<StoredKey>& keys, host::PropertyBag& bag) {
  ErrorsIgnored statement;
  for (const StoredKey& key : keys) statement([&] { key.write(bag); });
}

}  // namespace regions
