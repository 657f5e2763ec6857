#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <utility>

#include "host/activex/served_object.h"
#include "host/com/variant.h"
#include "host/description/property_bag.h"

namespace host {

// A control's stored settings as an ActiveX control reads and writes them
// through IPropertyBag when a form loads or saves it. A read converts the
// stored text to the type the control asks for (to text when it asks for
// none, to a standard font object for a font); a write stores the value as
// form text (a font object as a font group).
class ComPropertyBag final : public ServedObject<IPropertyBag> {
 public:
  explicit ComPropertyBag(PropertyBag bag) : bag_(std::move(bag)) {}
  const PropertyBag& Bag() const { return bag_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IPropertyBag});
  }
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) noexcept override;
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) noexcept override;

 private:
  PropertyBag bag_;
};

// Stores `value` under `key` as form text (a font object as a font group);
// DISP_E_TYPEMISMATCH for a value form text cannot hold.
HRESULT StoreVariant(PropertyBag& bag, const std::string& key, const VARIANT& value);

// A stored value's text as the VARIANT a container keeps for it: text
// without its quotes, numbers as numbers, hexadecimal colours unsigned.
Variant VariantOfStoredText(const std::string& text);

}  // namespace host
