#include "host/activex/module_lock.h"

#include <atomic>

namespace host {
namespace {

std::atomic<long> locks{0};

}  // namespace

void LockModule() noexcept { ++locks; }
void UnlockModule() noexcept { --locks; }
bool ModuleLocked() noexcept { return locks.load() > 0; }

}  // namespace host
