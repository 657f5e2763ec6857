#include "host/drawing/surface_font.h"

#include <cmath>

#include "host/activex/served_object.h"
#include "host/com/font_object.h"
#include "host/runtime/error.h"
#include "host/runtime/font_handle.h"
#include "host/win32/bstr.h"

namespace host {

// Hears the font object's changes for as long as its surface font lives.
class FontChangeSink final : public ServedObject<IPropertyNotifySink> {
 public:
  explicit FontChangeSink(SurfaceFont& owner) : owner_(&owner) {}
  void Disconnect() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IPropertyNotifySink});
  }
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID) noexcept override {
    if (owner_ == nullptr) return S_OK;
    try {
      owner_->TakeFromObject();
    } catch (const std::exception&) {
      return E_FAIL;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) noexcept override { return S_OK; }

 private:
  SurfaceFont* owner_;
};

namespace {

ComPtr<IConnectionPoint> NotifyPointOf(IFont& font) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (SUCCEEDED(font.QueryInterface(IID_PPV_ARGS(&container)))) {
    container->FindConnectionPoint(IID_IPropertyNotifySink, &point);
  }
  return point;
}

}  // namespace

SurfaceFont::SurfaceFont() : handle_(CreateFontHandle(value_)) {}

SurfaceFont::~SurfaceFont() {
  if (!sink_) return;
  sink_->Disconnect();
  if (const ComPtr<IConnectionPoint> point = NotifyPointOf(*object_.Get())) point->Unadvise(cookie_);
}

void SurfaceFont::Set(const Font& font) {
  value_ = font;
  handle_ = CreateFontHandle(value_);
  PushToObject();
}

ComPtr<IFontDisp> SurfaceFont::Object() {
  if (!object_) {
    CreateFontObject(value_).As(&object_);
    sink_.Attach(new FontChangeSink(*this));
    if (const ComPtr<IConnectionPoint> point = NotifyPointOf(*object_.Get())) point->Advise(sink_.Get(), &cookie_);
  }
  ComPtr<IFontDisp> dispatch;
  object_.As(&dispatch);
  return dispatch;
}

void SurfaceFont::SetObject(IFontDisp* font) {
  const std::optional<Font> described = FontOf(font);
  if (!described) throw RuntimeError(error_number::InvalidPropertyValue);
  Set(*described);
}

void SurfaceFont::TakeFromObject() {
  if (pushing_) return;
  if (const std::optional<Font> described = FontOf(object_.Get())) {
    value_ = *described;
    handle_ = CreateFontHandle(value_);
  }
}

// Each put notifies; the notifications of our own puts are not news.
void SurfaceFont::PushToObject() {
  if (!object_) return;
  const Bstr name(value_.Name);
  CY size{};
  size.int64 = std::llround(static_cast<double>(value_.Size) * 10000.0);
  pushing_ = true;
  object_->put_Name(name.get());
  object_->put_Size(size);
  object_->put_Bold(value_.Bold);
  object_->put_Italic(value_.Italic);
  object_->put_Underline(value_.Underline);
  object_->put_Strikethrough(value_.Strikethrough);
  object_->put_Charset(static_cast<SHORT>(value_.Charset));
  pushing_ = false;
}

}  // namespace host
