#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "host/activex/served_object.h"
#include "host/com/com_ptr.h"

namespace host {

// An IEnumXxx over interface pointers (IEnumConnectionPoints and the like):
// the items are held for the enumerator's life; each handed out carries a
// reference of its own.
template <typename Enum, typename Item>
class PointerEnumerator final : public ServedObject<Enum> {
 public:
  static ComPtr<Enum> Make(std::vector<ComPtr<Item>> items, std::size_t at = 0) {
    ComPtr<Enum> made;
    if (auto* enumerator = new (std::nothrow) PointerEnumerator(std::move(items), at)) made.Attach(enumerator);
    return made;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return this->Offer(iid, object, {__uuidof(Enum)});
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, Item** items, ULONG* fetched) noexcept override {
    if (items == nullptr || (count > 1 && fetched == nullptr)) return E_POINTER;
    ULONG given = 0;
    for (; given < count && at_ < items_.size(); ++given, ++at_) items_[at_].CopyTo(&items[given]);
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) noexcept override {
    const std::size_t left = items_.size() - at_;
    at_ += std::min<std::size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() noexcept override {
    at_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(Enum** copy) noexcept override {
    if (copy == nullptr) return E_POINTER;
    try {
      *copy = Make(items_, at_).Detach();
    } catch (const std::bad_alloc&) {
      *copy = nullptr;
    }
    return *copy != nullptr ? S_OK : E_OUTOFMEMORY;
  }

 private:
  PointerEnumerator(std::vector<ComPtr<Item>> items, std::size_t at) : items_(std::move(items)), at_(at) {}

  std::vector<ComPtr<Item>> items_;
  std::size_t at_;
};

}  // namespace host
