#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "host/activex/served_object.h"
#include "host/com/com_ptr.h"

namespace host {

// Interface pointers, handed out with a reference each (IEnumConnectionPoints).
template <typename Interface>
struct InterfaceItems {
  using Held = ComPtr<Interface>;
  using Given = Interface*;
  static void Give(const Held& item, Given* given) { item.CopyTo(given); }
};

// A connection point's connections: cookie and sink, the sink with a reference of its own.
struct ConnectionItems {
  using Held = std::pair<DWORD, ComPtr<IUnknown>>;
  using Given = CONNECTDATA;
  static void Give(const Held& item, Given* given) {
    given->dwCookie = item.first;
    item.second.CopyTo(&given->pUnk);
  }
};

// An IEnumXxx over a copy of the items taken when it was made, held for the
// enumerator's life; `Items` says how they are held and handed out.
template <typename Enum, typename Items>
class ItemEnumerator final : public ServedObject<Enum> {
 public:
  using Held = typename Items::Held;
  using Given = typename Items::Given;

  static ComPtr<Enum> Make(std::vector<Held> items, std::size_t at = 0) {
    ComPtr<Enum> made;
    if (auto* enumerator = new (std::nothrow) ItemEnumerator(std::move(items), at)) made.Attach(enumerator);
    return made;
  }
  // Make for an out-parameter: S_OK, or E_OUTOFMEMORY with null.
  static HRESULT MakeInto(std::vector<Held> items, Enum** made, std::size_t at = 0) noexcept {
    if (made == nullptr) return E_POINTER;
    try {
      *made = Make(std::move(items), at).Detach();
    } catch (const std::bad_alloc&) {
      *made = nullptr;
    }
    return *made != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    return this->Offer(iid, object, {__uuidof(Enum)});
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, Given* items, ULONG* fetched) noexcept override {
    if (items == nullptr || (count > 1 && fetched == nullptr)) return E_POINTER;
    ULONG given = 0;
    for (; given < count && at_ < items_.size(); ++given, ++at_) Items::Give(items_[at_], &items[given]);
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
      return MakeInto(items_, copy, at_);
    } catch (const std::bad_alloc&) {  // copying the items
      *copy = nullptr;
      return E_OUTOFMEMORY;
    }
  }

 private:
  ItemEnumerator(std::vector<Held> items, std::size_t at) : items_(std::move(items)), at_(at) {}

  std::vector<Held> items_;
  std::size_t at_;
};

}  // namespace host
