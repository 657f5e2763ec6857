#pragma once

#include <windows.h>
// windows.h first: oleauto.h relies on its types.
#include <oleauto.h>

#include <string_view>

#include "host/activex/member_dispatch.h"
#include "host/com/com_ptr.h"

namespace host {

class ActiveXHost;

// A hosted control as form code and the control itself see it through its
// container: the members every control on a form has (Name, Index,
// Container, Parent, Left, Top, Width, Height, Visible, Enabled, TabIndex,
// TabStop, ToolTipText, Tag, Move), and every other name forwarded to the
// control's own dispatch interface.
class ExtenderObject final : public MemberDispatch {
 public:
  ExtenderObject(ActiveXHost& host, ComPtr<IDispatch> control);
  // The host unloads the control: the members answer error 424 from now on.
  void Disconnect();

 private:
  Variant Member(std::string_view name, WORD flags, const DISPPARAMS& parameters) override;

  ActiveXHost* host_;
};

}  // namespace host
