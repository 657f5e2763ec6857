#pragma once

namespace capstrip {

// The program's title, as the close question names it.
inline constexpr char ApplicationTitle[] = "capstrip";

}  // namespace capstrip
