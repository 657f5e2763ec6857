#include "host/com/data_object.h"

#include <shlobj.h>

#include <cstring>

namespace host {
namespace {

constexpr FORMATETC kText{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};

HGLOBAL CopyOfMemory(HGLOBAL source) {
  const SIZE_T size = GlobalSize(source);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (copy == nullptr) return nullptr;
  const void* from = GlobalLock(source);
  void* to = GlobalLock(copy);
  if (from != nullptr && to != nullptr) std::memcpy(to, from, size);
  GlobalUnlock(copy);
  GlobalUnlock(source);
  return copy;
}

}  // namespace

DataObject::~DataObject() {
  for (const Entry& entry : entries_) GlobalFree(entry.memory);
}

void DataObject::SetText(std::string_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory == nullptr) return;
  auto* to = static_cast<char*>(GlobalLock(memory));
  std::memcpy(to, text.data(), text.size());
  to[text.size()] = '\0';
  GlobalUnlock(memory);
  Store(kText, memory);
}

DataObject::Entry* DataObject::Find(const FORMATETC& format) {
  for (Entry& entry : entries_) {
    if (entry.format.cfFormat == format.cfFormat && (format.tymed & TYMED_HGLOBAL) != 0) return &entry;
  }
  return nullptr;
}

void DataObject::Store(const FORMATETC& format, HGLOBAL memory) {
  if (Entry* existing = Find(format)) {
    GlobalFree(existing->memory);
    existing->memory = memory;
    return;
  }
  FORMATETC stored = format;
  stored.ptd = nullptr;
  stored.tymed = TYMED_HGLOBAL;
  entries_.push_back({stored, memory});
}

HRESULT DataObject::GetData(FORMATETC* format, STGMEDIUM* medium) noexcept {
  if (format == nullptr || medium == nullptr) return E_POINTER;
  const Entry* entry = Find(*format);
  if (entry == nullptr) return DV_E_FORMATETC;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = CopyOfMemory(entry->memory);
  medium->pUnkForRelease = nullptr;
  return medium->hGlobal != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT DataObject::QueryGetData(FORMATETC* format) noexcept {
  if (format == nullptr) return E_POINTER;
  return Find(*format) != nullptr ? S_OK : DV_E_FORMATETC;
}

HRESULT DataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept {
  if (out == nullptr) return E_POINTER;
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT DataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) noexcept {
  if (format == nullptr || medium == nullptr) return E_POINTER;
  if (medium->tymed != TYMED_HGLOBAL) return DV_E_TYMED;
  HGLOBAL memory = release ? medium->hGlobal : CopyOfMemory(medium->hGlobal);
  if (memory == nullptr) return E_OUTOFMEMORY;
  try {
    Store(*format, memory);
  } catch (const std::bad_alloc&) {
    if (!release) GlobalFree(memory);
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) noexcept {
  if (formats == nullptr) return E_POINTER;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  try {
    std::vector<FORMATETC> offered;
    for (const Entry& entry : entries_) offered.push_back(entry.format);
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.data(), formats);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

std::string TextOf(IDataObject& data) {
  FORMATETC format = kText;
  STGMEDIUM medium{};
  if (FAILED(data.GetData(&format, &medium))) return {};
  std::string text;
  if (const auto* chars = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
    text.assign(chars, strnlen(chars, GlobalSize(medium.hGlobal)));
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return text;
}

}  // namespace host
