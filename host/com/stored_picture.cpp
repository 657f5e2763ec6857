#include "host/com/stored_picture.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "host/runtime/error.h"
#include "host/services/app.h"

namespace host {
namespace {

struct CompanionReference {
  std::string file;
  unsigned long offset = 0;
};

// `"File.frx":hex offset`; nothing for any other text.
std::optional<CompanionReference> ParseReference(std::string_view value) {
  if (value.size() < 4 || value.front() != '"') return std::nullopt;
  const std::size_t close = value.find('"', 1);
  if (close == std::string_view::npos || close + 2 > value.size() || value[close + 1] != ':') return std::nullopt;
  CompanionReference reference{std::string(value.substr(1, close - 1))};
  const std::string_view offset = value.substr(close + 2);
  const auto [end, error] = std::from_chars(offset.data(), offset.data() + offset.size(), reference.offset, 16);
  if (error != std::errc() || end != offset.data() + offset.size() || offset.empty()) return std::nullopt;
  return reference;
}

// The companion file's bytes, from the program's resources.
std::string_view CompanionData(const std::string& file) {
  const HRSRC resource = FindResourceA(App().hInstance(), file.c_str(), MAKEINTRESOURCEA(10));
  const HGLOBAL loaded = resource != nullptr ? LoadResource(App().hInstance(), resource) : nullptr;
  if (loaded == nullptr) {
    throw RuntimeError(error_number::InvalidPicture, "the companion data " + file + " is not in the program");
  }
  return {static_cast<const char*>(LockResource(loaded)), SizeofResource(App().hInstance(), resource)};
}

// OleLoadPicture reads from a stream over a copy of the image.
ComPtr<IPictureDisp> PictureFromBytes(std::string_view image) {
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, image.size());
  if (memory == nullptr) throw RuntimeError(error_number::OutOfMemory);
  std::memcpy(GlobalLock(memory), image.data(), image.size());
  GlobalUnlock(memory);
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    throw RuntimeError(error_number::OutOfMemory);
  }
  ComPtr<IPictureDisp> picture;
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(image.size()), FALSE, IID_PPV_ARGS(&picture)))) {
    throw RuntimeError(error_number::InvalidPicture);
  }
  return picture;
}

}  // namespace

bool IsCompanionReference(std::string_view value) { return ParseReference(value).has_value(); }

ComPtr<IPictureDisp> LoadCompanionPicture(std::string_view value) {
  const std::optional<CompanionReference> reference = ParseReference(value);
  if (!reference) throw RuntimeError(error_number::InvalidPicture);
  const std::string_view data = CompanionData(reference->file);
  constexpr std::size_t kHeader = 8;
  if (reference->offset > data.size() || data.size() - reference->offset < kHeader ||
      data.substr(reference->offset, 4) != std::string_view("lt\0\0", 4)) {
    throw RuntimeError(error_number::InvalidPicture, std::string(value) + " holds no picture");
  }
  std::uint32_t length = 0;
  std::memcpy(&length, data.data() + reference->offset + 4, sizeof length);
  if (length > data.size() - reference->offset - kHeader) {
    throw RuntimeError(error_number::InvalidPicture, std::string(value) + " is cut short");
  }
  return PictureFromBytes(data.substr(reference->offset + kHeader, length));
}

ComPtr<IPictureDisp> ReadPictureProperty(const PropertyBag& bag, std::string_view key) {
  const StoredObjectPtr object = bag.ReadObject(key);
  if (const auto* stored = dynamic_cast<const StoredPicture*>(object.get())) return stored->Picture();
  const PropertySetting* setting = bag.Block().Find(key);
  if (setting == nullptr) return nullptr;
  return LoadCompanionPicture(setting->value);
}

void WritePictureProperty(PropertyBag& bag, std::string_view key, IPictureDisp* picture) {
  bag.WriteObject(key, picture != nullptr ? std::make_shared<StoredPicture>(ComPtr<IPictureDisp>(picture)) : nullptr);
}

}  // namespace host
