#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/description/form_text.h"
#include "host/runtime/font.h"
#include "host/runtime/types.h"

namespace host {

// A value a bag holds that form text cannot: a picture a container handed
// over. The platform layer says what it is.
class StoredObject {
 public:
  virtual ~StoredObject() = default;
};
using StoredObjectPtr = std::shared_ptr<const StoredObject>;

// Where a bag looks for the settings its block lacks, key by key: a store
// that cannot list its keys (a container's own property bag).
class PropertySource {
 public:
  virtual ~PropertySource() = default;
  // A block holding the setting or group `key`, or an empty block.
  virtual PropertyBlock Fetch(std::string_view key) const = 0;
  // The object stored under `key`, or null.
  virtual StoredObjectPtr FetchObject(std::string_view key) const = 0;
};

// Stored settings of one object, read with defaults and written back without
// the values that equal their defaults. Keys compare without regard to case.
// The value types: Integer, Long, Single, double, Boolean, OleColor,
// std::string, Date and Font (a BeginProperty group).
class PropertyBag {
 public:
  PropertyBag() = default;
  // `context` names the owner ("Form1.DayGrid1") in error descriptions.
  PropertyBag(PropertyBlock block, std::string context) : block_(std::move(block)), context_(std::move(context)) {}
  PropertyBag(std::shared_ptr<const PropertySource> source, std::string context)
      : context_(std::move(context)), source_(std::move(source)) {}

  // A missing key gives the default; a value that cannot be read as T raises
  // error 380 naming the owner, the key and the value.
  template <typename T>
  T ReadProperty(std::string_view key, std::type_identity_t<T> defaultValue) const;

  // A value equal to its default is not stored (and a stored one is dropped).
  template <typename T>
  void WriteProperty(std::string_view key, const std::type_identity_t<T>& value,
                     const std::type_identity_t<T>& defaultValue);
  // Stores the value whatever it is, replacing a stored one.
  template <typename T>
  void SetProperty(std::string_view key, const std::type_identity_t<T>& value);

  // Objects beside the text: null when `key` holds none. Writing null drops it.
  StoredObjectPtr ReadObject(std::string_view key) const;
  void WriteObject(std::string_view key, StoredObjectPtr object);
  const std::vector<std::pair<std::string, StoredObjectPtr>>& Objects() const { return objects_; }

  bool Contains(std::string_view key) const;
  const PropertyBlock& Block() const { return block_; }
  const std::string& Context() const { return context_; }

 private:
  void Remove(std::string_view key);
  // The block that holds `key`: the bag's own, or what its source fetched.
  PropertyBlock Holding(std::string_view key) const;

  PropertyBlock block_;
  std::vector<std::pair<std::string, StoredObjectPtr>> objects_;
  std::string context_;
  std::shared_ptr<const PropertySource> source_;
};

}  // namespace host
