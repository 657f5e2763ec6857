#pragma once

#include <windows.h>
// windows.h first: objidl.h relies on its types.
#include <objidl.h>

#include <string>
#include <string_view>
#include <vector>

#include "host/activex/served_object.h"

namespace host {

// The data an OLE drag carries: global-memory values by clipboard format,
// which the OLEStartDrag handler fills and a drop target reads.
class DataObject final : public ServedObject<IDataObject> {
 public:
  DataObject() = default;
  ~DataObject() override;
  // ANSI text as CF_TEXT, for handlers that have nothing more special.
  void SetText(std::string_view text);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return Offer(iid, object, {IID_IDataObject});
  }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) noexcept override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) noexcept override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) noexcept override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) noexcept override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) noexcept override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  struct Entry {
    FORMATETC format;
    HGLOBAL memory;  // owned
  };
  Entry* Find(const FORMATETC& format);
  void Store(const FORMATETC& format, HGLOBAL memory);

  std::vector<Entry> entries_;
};

// The CF_TEXT of any data object; empty when it has none.
std::string TextOf(IDataObject& data);

}  // namespace host
