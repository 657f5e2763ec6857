#pragma once

// Shared by converter_shell.rc and the code that loads the icon.
#define IDI_CONVERTER 1
