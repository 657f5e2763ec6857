#include "host/controls/timer.h"

#include <map>

#include "host/description/property_bag.h"
#include "host/forms/form.h"
#include "host/runtime/error.h"

namespace host {
namespace {

std::map<UINT_PTR, TimerControl*>& RunningTimers() {
  static std::map<UINT_PTR, TimerControl*> timers;
  return timers;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = RunningTimers().find(id);
  if (found != RunningTimers().end()) found->second->Timer.Raise();
}

}  // namespace

TimerControl::TimerControl(Form& form, std::string name) : name_(std::move(name)) {
  form.RegisterBinding(name_, *this);
}

TimerControl::TimerControl(ArrayElement, std::string name, Integer index) : name_(std::move(name)), index_(index) {}

TimerControl::~TimerControl() { Stop(); }

CreationContext TimerControl::Create(const ObjectDescription& description, const CreationContext& context) {
  const PropertyBag bag(description.properties, context.form.Name() + "." + description.name);
  enabled_ = static_cast<bool>(bag.ReadProperty<Boolean>("Enabled", True));
  interval_ = bag.ReadProperty<Long>("Interval", 0);
  loaded_ = true;
  Restart();
  return context;
}

void TimerControl::Release() {
  loaded_ = false;
  Stop();
}

void TimerControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void TimerControl::SetInterval(Long interval) {
  if (interval < 0 || interval > 65535) throw RuntimeError(error_number::InvalidPropertyValue);
  interval_ = interval;
  Restart();
}

void TimerControl::Restart() {
  Stop();
  if (!loaded_ || !enabled_ || interval_ == 0) return;
  timerId_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), OnTimer);
  RunningTimers()[timerId_] = this;
}

void TimerControl::Stop() {
  if (timerId_ == 0) return;
  KillTimer(nullptr, timerId_);
  RunningTimers().erase(timerId_);
  timerId_ = 0;
}

}  // namespace host
