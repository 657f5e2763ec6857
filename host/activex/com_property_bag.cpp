#include "host/activex/com_property_bag.h"

#include <cmath>
#include <new>
#include <optional>
#include <string>

#include "host/com/com_ptr.h"
#include "host/com/variant.h"
#include "host/runtime/error.h"
#include "host/win32/bstr.h"

namespace host {
namespace {

// A standard font object, as containers hand fonts to controls.
Variant FontObject(const Font& font) {
  const Bstr name(font.Name);
  FONTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = name.get();
  description.cySize.int64 = std::llround(static_cast<double>(font.Size) * 10000.0);
  description.sWeight = static_cast<SHORT>(font.Weight());
  description.sCharset = static_cast<SHORT>(font.Charset);
  description.fItalic = font.Italic;
  description.fUnderline = font.Underline;
  description.fStrikethrough = font.Strikethrough;
  ComPtr<IDispatch> object;
  if (FAILED(OleCreateFontIndirect(&description, IID_PPV_ARGS(&object)))) {
    throw RuntimeError(error_number::OutOfMemory, "the font object could not be created");
  }
  return Variant(object.Get());
}

// What a font object describes; nothing when the object is no font.
std::optional<Font> FontOf(IUnknown* object) {
  ComPtr<IFont> font;
  if (object == nullptr || FAILED(object->QueryInterface(IID_PPV_ARGS(&font)))) return std::nullopt;
  Font read;
  Bstr name;
  CY size{};
  BOOL bold = FALSE;
  BOOL italic = FALSE;
  BOOL underline = FALSE;
  BOOL strikethrough = FALSE;
  SHORT charset = 0;
  if (FAILED(font->get_Name(name.put())) || FAILED(font->get_Size(&size)) || FAILED(font->get_Bold(&bold)) ||
      FAILED(font->get_Italic(&italic)) || FAILED(font->get_Underline(&underline)) ||
      FAILED(font->get_Strikethrough(&strikethrough)) || FAILED(font->get_Charset(&charset))) {
    return std::nullopt;
  }
  read.Name = name.ToAnsi();
  read.Size = static_cast<Single>(static_cast<double>(size.int64) / 10000.0);
  read.Bold = bold != FALSE;
  read.Italic = italic != FALSE;
  read.Underline = underline != FALSE;
  read.Strikethrough = strikethrough != FALSE;
  read.Charset = charset;
  return read;
}

// The stored value as the VARIANT type the control asked for.
Variant ReadAs(const PropertyBag& bag, const std::string& key, VARTYPE type) {
  switch (type) {
    case VT_DISPATCH:
    case VT_UNKNOWN: return FontObject(bag.ReadProperty<Font>(key, Font()));
    case VT_I2: return Variant(bag.ReadProperty<Integer>(key, 0));
    case VT_I4: return Variant(bag.ReadProperty<Long>(key, 0));
    case VT_UI4: {
      Variant color;
      color.put()->vt = VT_UI4;
      color.get()->ulVal = bag.ReadProperty<OleColor>(key, 0);
      return color;
    }
    case VT_R4: return Variant(static_cast<double>(bag.ReadProperty<Single>(key, 0)));
    case VT_R8: return Variant(bag.ReadProperty<double>(key, 0));
    case VT_BOOL: return Variant(bag.ReadProperty<Boolean>(key, False));
    case VT_DATE: {
      Variant date;
      date.put()->vt = VT_DATE;
      date.get()->date = bag.ReadProperty<Date>(key, Date()).Serial();
      return date;
    }
    default: return Variant(bag.ReadProperty<std::string>(key, ""));
  }
}

}  // namespace

HRESULT ComPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) noexcept {
  if (name == nullptr || value == nullptr) return E_POINTER;
  try {
    const std::string key = AnsiFromWide(name);
    if (!bag_.Contains(key)) return E_INVALIDARG;
    // A stored group is a font, whatever type the control leaves open.
    const bool font = bag_.Block().FindGroup(key) != nullptr;
    Variant read = ReadAs(bag_, key, font && value->vt == VT_EMPTY ? static_cast<VARTYPE>(VT_DISPATCH) : value->vt);
    // The requested type must come back as asked (a Single stays a Single).
    if (value->vt != VT_EMPTY && value->vt != read.Type() &&
        FAILED(VariantChangeType(read.get(), read.get(), 0, value->vt))) {
      return DISP_E_TYPEMISMATCH;
    }
    VariantClear(value);
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
    const std::string key = AnsiFromWide(name);
    switch (value->vt) {
      case VT_I2: bag_.SetProperty<Integer>(key, value->iVal); break;
      case VT_I4: bag_.SetProperty<Long>(key, value->lVal); break;
      case VT_UI4: bag_.SetProperty<OleColor>(key, value->ulVal); break;
      case VT_R4: bag_.SetProperty<Single>(key, value->fltVal); break;
      case VT_R8: bag_.SetProperty<double>(key, value->dblVal); break;
      case VT_BOOL: bag_.SetProperty<Boolean>(key, Boolean(value->boolVal != VARIANT_FALSE)); break;
      case VT_DATE: bag_.SetProperty<Date>(key, Date(value->date)); break;
      case VT_UNKNOWN:
      case VT_DISPATCH: {
        const std::optional<Font> font = FontOf(value->punkVal);
        if (!font) return DISP_E_TYPEMISMATCH;
        bag_.SetProperty<Font>(key, *font);
        break;
      }
      default: {
        Variant given;
        if (FAILED(VariantCopy(given.put(), value))) return DISP_E_TYPEMISMATCH;
        bag_.SetProperty<std::string>(key, given.ToString());
        break;
      }
    }
    return S_OK;
  } catch (const RuntimeError&) {
    return DISP_E_TYPEMISMATCH;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace host
