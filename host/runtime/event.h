#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "host/runtime/untrapped_error.h"

namespace host {

// An event an object raises to whoever handles it. Arguments declared as
// references travel by reference, so a handler can change them for the raiser.
// Each handler runs under the untrapped-error policy.
template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  void Connect(Handler handler) { handlers_.push_back(std::move(handler)); }
  bool HasHandlers() const { return !handlers_.empty(); }

  void Raise(Args... args) const {
    for (const Handler& handler : handlers_) RunEventHandler([&] { handler(args...); });
  }

 private:
  std::vector<Handler> handlers_;
};

}  // namespace host
