#pragma once

#include <windows.h>

#include <string>

#include "host/forms/bindable.h"
#include "host/runtime/event.h"
#include "host/runtime/types.h"

namespace host {

class Form;

// Raises Timer every `Interval` milliseconds while Enabled and its form is loaded.
class TimerControl : public Bindable {
 public:
  TimerControl(Form& form, std::string name);
  TimerControl(ArrayElement, std::string name, Integer index);
  ~TimerControl() override;
  TimerControl(const TimerControl&) = delete;
  TimerControl& operator=(const TimerControl&) = delete;

  CreationContext Create(const ObjectDescription& description, const CreationContext& context) override;
  void Release() override;

  const std::string& Name() const { return name_; }
  Integer Index() const { return index_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  Long Interval() const { return interval_; }
  void SetInterval(Long interval);

  Event<> Timer;

 private:
  void Restart();
  void Stop();

  std::string name_;
  Integer index_ = -1;
  bool loaded_ = false;
  bool enabled_ = true;
  Long interval_ = 0;
  UINT_PTR timerId_ = 0;
};

}  // namespace host
