#pragma once

#include <windows.h>
// windows.h first: olectl.h relies on its types.
#include <olectl.h>

#include "host/com/com_ptr.h"
#include "host/runtime/font.h"
#include "host/win32/unique_handle.h"

namespace host {

class FontChangeSink;

// The font of a drawing surface three ways at once: the value, its GDI font,
// and a standard font object. The object is made on first request and stays
// the same, and a change made through it (Font.Bold = True) reaches the
// value and the GDI font through the object's change notifications.
class SurfaceFont {
 public:
  SurfaceFont();
  ~SurfaceFont();
  SurfaceFont(const SurfaceFont&) = delete;
  SurfaceFont& operator=(const SurfaceFont&) = delete;

  const Font& Value() const { return value_; }
  HFONT Handle() const { return handle_.get(); }
  void Set(const Font& font);
  ComPtr<IFontDisp> Object();
  // Takes the description of another font object; error 380 for no font object.
  void SetObject(IFontDisp* font);

 private:
  friend class FontChangeSink;
  void TakeFromObject();
  void PushToObject();

  Font value_;
  UniqueFont handle_;
  ComPtr<IFont> object_;
  ComPtr<FontChangeSink> sink_;
  DWORD cookie_ = 0;
  bool pushing_ = false;
};

}  // namespace host
