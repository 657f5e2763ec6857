#pragma once

#include <cstddef>
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

  // Handlers connected while the event is being raised run from the next
  // raise on. Each runs from a copy, so connecting one cannot move the
  // handler that is running.
  void Raise(Args... args) const {
    const std::size_t count = handlers_.size();
    for (std::size_t at = 0; at < count; ++at) {
      const Handler handler = handlers_[at];
      RunEventHandler([&] { handler(args...); });
    }
  }

 private:
  std::vector<Handler> handlers_;
};

}  // namespace host
