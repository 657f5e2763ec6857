#pragma once

#include <vector>

#include "host/runtime/types.h"

namespace host {

class Form;

// The loaded forms, in load order.
class FormsCollection {
 public:
  Integer Count() const { return static_cast<Integer>(forms_.size()); }
  // 0-based; raises error 9 outside the collection.
  Form& Item(Integer index) const;

  void Add(Form& form);
  void Remove(const Form& form);

 private:
  std::vector<Form*> forms_;
};

FormsCollection& Forms();

}  // namespace host
