#pragma once

// Module2: where the program starts, with no form shown.
namespace classwarden::Module2 {

// Hooks the forms' class through a hidden dummy form, then shows Form1;
// says "Load error..." when the class cannot be hooked.
void Main();

}  // namespace classwarden::Module2
