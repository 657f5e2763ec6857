#pragma once

#include <string>
#include <string_view>

#include "host/runtime/types.h"

namespace host {

inline constexpr Integer vbHide = 0;
inline constexpr Integer vbNormalFocus = 1;
inline constexpr Integer vbMinimizedFocus = 2;
inline constexpr Integer vbMaximizedFocus = 3;
inline constexpr Integer vbNormalNoFocus = 4;
inline constexpr Integer vbMinimizedNoFocus = 6;

// Starts a program and returns its process id without waiting for it. Raises
// error 53 when nothing could be started and 5 for an unknown window style.
Long Shell(std::string_view commandLine, Integer windowStyle = vbMinimizedFocus);

// Dispatches every window message already queued for this thread.
void DoEvents();

std::string CurDir();

}  // namespace host
