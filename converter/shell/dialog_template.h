#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

namespace converter::shell {

// One control of an in-memory dialog template; position and size in dialog units.
struct DialogItem {
  WORD id;
  std::string_view className;
  std::string_view text;
  short x;
  short y;
  short width;
  short height;
  DWORD style;
};

// The dialog box itself; the font always goes in, so DS_SETFONT is added.
struct DialogFrame {
  std::string_view title;
  short x;
  short y;
  short width;
  short height;
  DWORD style;
  std::string_view fontName;
  WORD fontPointSize;
};

// A DLGTEMPLATE with its items, laid out as CreateDialogIndirectParam and
// DialogBoxIndirectParam read it. WORDs keep the DWORD alignment it needs.
class DialogTemplate {
 public:
  DialogTemplate(const DialogFrame& frame, std::span<const DialogItem> items);

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AppendDword(DWORD value);
  void AppendText(std::string_view text);
  void AlignToDword();
  void AppendItem(const DialogItem& item);

  std::vector<WORD> words_;
};

}  // namespace converter::shell
