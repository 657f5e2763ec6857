#include "host/controls/list_box.h"

#include "host/runtime/error.h"

namespace host {

Control::WindowTraits ListBox::TraitsFrom(const PropertyBag&) const {
  return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE,
          vbWindowBackground, vbWindowText};
}

void ListBox::AddItem(std::string_view item, Integer index) {
  if (index < -1 || index > ListCount()) throw RuntimeError(error_number::InvalidCall);
  const std::string text(item);
  Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::RemoveItem(Integer index) {
  if (index < 0 || index >= ListCount()) throw RuntimeError(error_number::InvalidCall);
  Send(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ListBox::Clear() { Send(LB_RESETCONTENT); }

Integer ListBox::ListCount() const { return static_cast<Integer>(Send(LB_GETCOUNT)); }

std::string ListBox::List(Integer index) const {
  if (index < 0 || index >= ListCount()) return {};
  std::string text(static_cast<std::size_t>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index))) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

Integer ListBox::ListIndex() const { return static_cast<Integer>(Send(LB_GETCURSEL)); }

void ListBox::SetListIndex(Integer index) {
  if (index < -1 || index >= ListCount()) throw RuntimeError(error_number::InvalidPropertyValue);
  Send(LB_SETCURSEL, static_cast<WPARAM>(index));
  Click.Raise();
}

void ListBox::OnCommand(WORD notification) {
  if (notification == LBN_SELCHANGE) Click.Raise();
}

}  // namespace host
