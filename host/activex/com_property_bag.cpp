#include "host/activex/com_property_bag.h"

#include <new>
#include <optional>
#include <string>

#include "host/com/com_ptr.h"
#include "host/com/font_object.h"
#include "host/com/stored_picture.h"
#include "host/com/variant.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// The stored value as the VARIANT type the control asked for.
Variant ReadAs(const PropertyBag& bag, const std::string& key, VARTYPE type) {
  switch (type) {
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return Variant(CreateFontObject(bag.ReadProperty<Font>(key, Font())).Get());
    case VT_I2:
      return Variant(bag.ReadProperty<Integer>(key, 0));
    case VT_I4:
      return Variant(bag.ReadProperty<Long>(key, 0));
    case VT_UI4: {
      Variant color;
      color.put()->vt = VT_UI4;
      color.get()->ulVal = bag.ReadProperty<OleColor>(key, 0);
      return color;
    }
    case VT_R4:
      return Variant(static_cast<double>(bag.ReadProperty<Single>(key, 0)));
    case VT_R8:
      return Variant(bag.ReadProperty<double>(key, 0));
    case VT_BOOL:
      return Variant(bag.ReadProperty<Boolean>(key, False));
    case VT_DATE: {
      Variant date;
      date.put()->vt = VT_DATE;
      date.get()->date = bag.ReadProperty<Date>(key, Date()).Serial();
      return date;
    }
    case VT_EMPTY: {
      // Asked for no type: the value as its text reads (numbers, colours, text).
      const PropertySetting* setting = bag.Block().Find(key);
      return setting != nullptr ? VariantOfStoredText(setting->value) : Variant();
    }
    default:
      return Variant(bag.ReadProperty<std::string>(key, ""));
  }
}

}  // namespace

HRESULT ComPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) noexcept {
  if (name == nullptr || value == nullptr) return E_POINTER;
  try {
    const std::string key = AnsiFromWide(name);
    const PropertySetting* setting = bag_.Block().Find(key);
    const bool picture =
        bag_.ReadObject(key) != nullptr || (setting != nullptr && IsCompanionReference(setting->value));
    if (!bag_.Contains(key) && !picture) return E_INVALIDARG;
    // A stored group is a font and a companion reference a picture, whatever
    // type the control leaves open.
    const bool font = bag_.Block().FindGroup(key) != nullptr;
    const VARTYPE asked = (font || picture) && value->vt == VT_EMPTY ? static_cast<VARTYPE>(VT_DISPATCH) : value->vt;
    Variant read = picture && (asked == VT_DISPATCH || asked == VT_UNKNOWN)
                       ? Variant(ReadPictureProperty(bag_, key).Get())
                       : ReadAs(bag_, key, asked);
    // The requested type must come back as asked (a Single stays a Single).
    if (value->vt != VT_EMPTY && value->vt != read.Type() &&
        FAILED(VariantChangeType(read.get(), read.get(), 0, value->vt))) {
      return DISP_E_TYPEMISMATCH;
    }
    // The caller's VARIANT carries the requested type only: nothing to clear.
    *value = *read.get();
    read.get()->vt = VT_EMPTY;  // handed over
    return S_OK;
  } catch (const RuntimeError& error) {
    if (log != nullptr) {
      EXCEPINFO exception{};
      exception.scode = DISP_E_TYPEMISMATCH;
      exception.bstrDescription = Bstr(error.Description()).release();
      log->AddError(name, &exception);
      SysFreeString(exception.bstrDescription);
    }
    return DISP_E_TYPEMISMATCH;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT ComPropertyBag::Write(LPCOLESTR name, VARIANT* value) noexcept {
  if (name == nullptr || value == nullptr) return E_POINTER;
  try {
    return StoreVariant(bag_, AnsiFromWide(name), *value);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT StoreVariant(PropertyBag& bag, const std::string& key, const VARIANT& value) {
  try {
    switch (value.vt) {
      case VT_I2:
        bag.SetProperty<Integer>(key, value.iVal);
        break;
      case VT_I4:
        bag.SetProperty<Long>(key, value.lVal);
        break;
      case VT_UI4:
        bag.SetProperty<OleColor>(key, value.ulVal);
        break;
      case VT_R4:
        bag.SetProperty<Single>(key, value.fltVal);
        break;
      case VT_R8:
        bag.SetProperty<double>(key, value.dblVal);
        break;
      case VT_BOOL:
        bag.SetProperty<Boolean>(key, Boolean(value.boolVal != VARIANT_FALSE));
        break;
      case VT_DATE:
        bag.SetProperty<Date>(key, Date(value.date));
        break;
      case VT_UNKNOWN:
      case VT_DISPATCH: {
        ComPtr<IPictureDisp> picture;
        if (const std::optional<Font> font = FontOf(value.punkVal)) {
          bag.SetProperty<Font>(key, *font);
        } else if (value.punkVal != nullptr && SUCCEEDED(value.punkVal->QueryInterface(IID_PPV_ARGS(&picture)))) {
          WritePictureProperty(bag, key, picture.Get());
        } else {
          return DISP_E_TYPEMISMATCH;
        }
        break;
      }
      default: {
        Variant given;
        if (FAILED(VariantCopy(given.put(), const_cast<VARIANT*>(&value)))) return DISP_E_TYPEMISMATCH;
        bag.SetProperty<std::string>(key, given.ToString());
        break;
      }
    }
    return S_OK;
  } catch (const RuntimeError&) {
    return DISP_E_TYPEMISMATCH;
  }
}

Variant VariantOfStoredText(const std::string& text) {
  const PropertyBag stored(PropertyBlock{{{"Value", text}}, {}}, "");
  if (text.starts_with('"')) return Variant(stored.ReadProperty<std::string>("Value", ""));
  try {
    if (text.starts_with("&H") && text.ends_with('&')) {
      Variant color;
      color.put()->vt = VT_UI4;
      color.get()->ulVal = stored.ReadProperty<OleColor>("Value", 0);
      return color;
    }
    return Variant(stored.ReadProperty<Long>("Value", 0));
  } catch (const RuntimeError&) {
  }
  try {
    return Variant(stored.ReadProperty<double>("Value", 0));
  } catch (const RuntimeError&) {
    return Variant(std::string_view(text));
  }
}

}  // namespace host
