#include "host/activex/module.h"

#include <atomic>

namespace host {
namespace {

std::atomic<long> locks{0};

}  // namespace

void LockModule() noexcept { ++locks; }
void UnlockModule() noexcept { --locks; }
bool ModuleLocked() noexcept { return locks.load() > 0; }

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

}  // namespace host
