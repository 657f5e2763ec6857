#pragma once

#include <windows.h>

#include "host/win32/gateway.h"

namespace host {

// Window and class values that hold pointers (procedures, instances), bound by
// name on first call. A 64-bit user32 has the ...LongPtrA entry points; a 32-bit
// one exports no ...Ptr names, and its ...LongA functions already hold a pointer.
inline constexpr bool kPointerSizedLongs = sizeof(void*) == 8;

inline const Win32Function<decltype(::GetWindowLongPtrA)> getWindowLongPtr{
    "user32", kPointerSizedLongs ? "GetWindowLongPtrA" : "GetWindowLongA"};
inline const Win32Function<decltype(::SetWindowLongPtrA)> setWindowLongPtr{
    "user32", kPointerSizedLongs ? "SetWindowLongPtrA" : "SetWindowLongA"};
inline const Win32Function<decltype(::GetClassLongPtrA)> getClassLongPtr{
    "user32", kPointerSizedLongs ? "GetClassLongPtrA" : "GetClassLongA"};
inline const Win32Function<decltype(::SetClassLongPtrA)> setClassLongPtr{
    "user32", kPointerSizedLongs ? "SetClassLongPtrA" : "SetClassLongA"};

}  // namespace host
