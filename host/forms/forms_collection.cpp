#include "host/forms/forms_collection.h"

#include <algorithm>

#include "host/runtime/error.h"

namespace host {

Form& FormsCollection::Item(Integer index) const {
  if (index < 0 || index >= Count()) throw RuntimeError(error_number::SubscriptOutOfRange);
  return *forms_[static_cast<std::size_t>(index)];
}

void FormsCollection::Add(Form& form) { forms_.push_back(&form); }

void FormsCollection::Remove(const Form& form) { std::erase(forms_, &form); }

FormsCollection& Forms() {
  static FormsCollection forms;
  return forms;
}

}  // namespace host
