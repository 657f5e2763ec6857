// The served control's stored settings: IPersistStreamInit and
// IPersistPropertyBag, both ending in InitProperties, ReadProperties or
// WriteProperties of the control.
#include "host/activex/activex_control.h"

#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "host/activex/com_property_bag.h"
#include "host/com/com_error.h"
#include "host/com/font_object.h"
#include "host/com/stored_picture.h"
#include "host/description/form_text.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// A container's property bag as the control reads it: key by key, each value
// turned into the form text the control's reads understand.
class ContainerBagSource final : public PropertySource {
 public:
  ContainerBagSource(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}

  PropertyBlock Fetch(std::string_view key) const override {
    const std::string name(key);
    Variant value;
    PropertyBag holder;
    if (FAILED(bag_->Read(Bstr(name).get(), value.put(), log_.Get())) ||
        FAILED(StoreVariant(holder, name, *value.get()))) {
      return {};
    }
    return holder.Block();
  }

  StoredObjectPtr FetchObject(std::string_view key) const override {
    // Asked for an object, the container gives a picture where it stores one.
    Variant value;
    value.put()->vt = VT_DISPATCH;
    ComPtr<IPictureDisp> picture;
    if (FAILED(bag_->Read(Bstr(key).get(), value.get(), log_.Get())) || value.Type() != VT_DISPATCH ||
        value.get()->pdispVal == nullptr || FAILED(value.get()->pdispVal->QueryInterface(IID_PPV_ARGS(&picture)))) {
      return nullptr;
    }
    return std::make_shared<StoredPicture>(picture);
  }

 private:
  ComPtr<IPropertyBag> bag_;
  ComPtr<IErrorLog> log_;
};

// A stream holds the settings as form text, then the pictures: how many,
// and each one's key and the picture as OLE saves an object to a stream.
// Texts (the settings, a key) come after their length.
constexpr ULONG kLongestText = 16 * 1024 * 1024;

HRESULT ReadText(IStream& stream, std::string& text) {
  ULONG length = 0;
  ULONG read = 0;
  if (FAILED(stream.Read(&length, sizeof length, &read)) || read != sizeof length) return STG_E_READFAULT;
  if (length > kLongestText) return STG_E_READFAULT;
  text.resize(length);
  if (FAILED(stream.Read(text.data(), length, &read)) || read != length) return STG_E_READFAULT;
  return S_OK;
}

HRESULT WriteText(IStream& stream, const std::string& text) {
  const auto length = static_cast<ULONG>(text.size());
  if (FAILED(stream.Write(&length, sizeof length, nullptr)) || FAILED(stream.Write(text.data(), length, nullptr))) {
    return STG_E_WRITEFAULT;
  }
  return S_OK;
}

HRESULT WritePictures(IStream& stream, const PropertyBag& saved) {
  std::vector<std::pair<std::string, ComPtr<IPersistStream>>> pictures;
  for (const auto& [key, object] : saved.Objects()) {
    const auto* picture = dynamic_cast<const StoredPicture*>(object.get());
    ComPtr<IPersistStream> persist;
    if (picture != nullptr && SUCCEEDED(picture->Picture().As(&persist))) pictures.emplace_back(key, persist);
  }
  const auto count = static_cast<ULONG>(pictures.size());
  if (FAILED(stream.Write(&count, sizeof count, nullptr))) return STG_E_WRITEFAULT;
  for (const auto& [key, persist] : pictures) {
    if (const HRESULT written = WriteText(stream, key); FAILED(written)) return written;
    if (const HRESULT written = OleSaveToStream(persist.Get(), &stream); FAILED(written)) return written;
  }
  return S_OK;
}

// A stream that ends after the settings holds no pictures.
HRESULT ReadPictures(IStream& stream, PropertyBag& settings) {
  ULONG count = 0;
  ULONG read = 0;
  if (FAILED(stream.Read(&count, sizeof count, &read)) || read == 0) return S_OK;
  if (read != sizeof count) return STG_E_READFAULT;
  for (ULONG at = 0; at < count; ++at) {
    std::string key;
    if (const HRESULT result = ReadText(stream, key); FAILED(result)) return result;
    ComPtr<IPictureDisp> picture;
    if (const HRESULT loaded = OleLoadFromStream(&stream, IID_PPV_ARGS(&picture)); FAILED(loaded)) return loaded;
    settings.WriteObject(key, std::make_shared<StoredPicture>(picture));
  }
  return S_OK;
}

}  // namespace

HRESULT ActiveXControl::LoadOnce(const PropertyBag* bag) {
  if (loaded_) return CO_E_ALREADYINITIALIZED;
  loaded_ = true;
  return RunMember("", [&] { bag != nullptr ? control_->Load(*bag) : control_->InitNew(); });
}

HRESULT ActiveXControl::InitNew() noexcept { return LoadOnce(nullptr); }

HRESULT ActiveXControl::Load(IPropertyBag* bag, IErrorLog* log) noexcept {
  if (bag == nullptr) return E_POINTER;
  try {
    const PropertyBag settings(std::make_shared<ContainerBagSource>(bag, log), ambient_.DisplayName);
    return LoadOnce(&settings);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT ActiveXControl::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) noexcept {
  if (bag == nullptr) return E_POINTER;
  HRESULT written = S_OK;
  const HRESULT result = RunMember("", [&] {
    const PropertyBag saved = control_->Save();
    for (const PropertySetting& setting : saved.Block().settings) {
      Variant value = VariantOfStoredText(setting.value);
      if (SUCCEEDED(written)) written = bag->Write(Bstr(setting.key).get(), value.get());
    }
    for (const PropertyGroup& group : saved.Block().groups) {
      Variant font(CreateFontObject(saved.ReadProperty<Font>(group.name, Font())).Get());
      if (SUCCEEDED(written)) written = bag->Write(Bstr(group.name).get(), font.get());
    }
    for (const auto& [key, object] : saved.Objects()) {
      const auto* picture = dynamic_cast<const StoredPicture*>(object.get());
      if (picture == nullptr) continue;
      Variant value(static_cast<IDispatch*>(picture->Picture().Get()));
      if (SUCCEEDED(written)) written = bag->Write(Bstr(key).get(), value.get());
    }
  });
  if (FAILED(result)) return result;
  if (FAILED(written)) return written;
  if (clearDirty) dirty_ = false;
  return S_OK;
}

HRESULT ActiveXControl::Load(IStream* stream) noexcept {
  if (stream == nullptr) return E_POINTER;
  HRESULT read = S_OK;
  PropertyBag settings;
  const HRESULT parsed = RunMember("", [&] {
    std::string text;
    if (read = ReadText(*stream, text); FAILED(read)) return;
    settings =
        PropertyBag(ParseFormText("Begin Stored.Control Settings\r\n" + text + "End\r\n", "the stream").properties,
                    ambient_.DisplayName);
    read = ReadPictures(*stream, settings);
  });
  if (FAILED(parsed)) return parsed;
  return FAILED(read) ? read : LoadOnce(&settings);
}

HRESULT ActiveXControl::Save(IStream* stream, BOOL clearDirty) noexcept {
  if (stream == nullptr) return E_POINTER;
  HRESULT written = S_OK;
  const HRESULT result = RunMember("", [&] {
    const PropertyBag saved = control_->Save();
    written = WriteText(*stream, WritePropertyBlock(saved.Block(), 0));
    if (SUCCEEDED(written)) written = WritePictures(*stream, saved);
  });
  if (FAILED(result)) return result;
  if (FAILED(written)) return written;
  if (clearDirty) dirty_ = false;
  return S_OK;
}

}  // namespace host
