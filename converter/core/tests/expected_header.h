#pragma once

#include <string>
#include <string_view>

#include "converter/core/clock.h"
#include "crlf_text.h"

namespace converter::testing {

inline constexpr std::string_view kRule =
    "'============================================================================";

// The form path and the clock of the whole-output tests, which the header below names.
inline constexpr std::string_view kPath = "C:\\forms\\Main.frm";
inline LocalDateTime Stamp() { return {2001, 3, 7, 9, 5, 0}; }

// The end of every output: the dialog shown and the main function closed.
inline std::string ExpectedClosing() {
  return Crlf({"", "    'Display the dialog", "    DIALOG SHOW MODAL hDlg, CALL DlgProc TO result", "",
               "    IF result THEN", "", "    END IF", "", "", "END FUNCTION", kRule, ""});
}

// The header section as written for C:\forms\Main.frm on 03-07-2001 at 09:05:00.
inline std::string ExpectedHeader(std::string_view creditLine) {
  return Crlf({kRule,
               "'VisualBasic Form(C:\\forms\\Main.frm), Converted to PB/DLL DDT Dialog ",
               "'Date: 03-07-2001                                       Time: 09:05:00",
               "'",
               "'",
               "'",
               "'",
               creditLine,
               kRule,
               "",
               "%TestMode = -1",
               "",
               "#IF %TestMode",
               "    #DIM ALL",
               "    #REGISTER NONE",
               "    #COMPILE EXE",
               "",
               kRule,
               "    %NOANIMATE       = 1",
               "    %NOBUTTON        = 1",
               "    %NOCOMBO         = 1",
               "    %NODATETIMEPICK  = 1",
               "    %NODRAGLIST      = 1",
               "    %NOHEADER        = 1",
               "    %NOHOTKEY        = 1",
               "    %NOIMAGELIST     = 1",
               "    %NOPIADDRESS     = 1",
               "    %NOLIST          = 1",
               "    %NOLISTVIEW      = 1",
               "    %NOMONTHCAL      = 1",
               "    %NONATIVEFONTCTL = 1",
               "    %NOPAGESCROLLER  = 1",
               "    %NOPROGRESS      = 1",
               "    %NOREBAR         = 1",
               "    %NOSTATUSBAR     = 1",
               "    %NOTABCONTROL    = 1",
               "    %NOTOOLBAR       = 1",
               "    %NOTOOLTIPS      = 1",
               "    %NOTRACKBAR      = 1",
               "    %NOTREEVIEW      = 1",
               "    %NOUPDOWN        = 1",
               kRule,
               "",
               "    #INCLUDE\"WIN32API.INC\"",
               "    #INCLUDE\"COMMCTRL.INC\"",
               "    #INCLUDE\"COMDLG32.INC\"",
               "#ENDIF",
               "'================================= GLOBALS",
               "GLOBAL ghDlg  AS  LONG",
               ""});
}

inline constexpr std::string_view kFormwrightCredit = "'Converted by FORMWRIGHT          (Written by: Aldenmark)";
inline constexpr std::string_view kTinwrightCredit = "'Converted by TINWRIGHT           (Written by: Aldenmark)";

}  // namespace converter::testing
