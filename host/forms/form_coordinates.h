#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>

namespace host {

class Form;

// A point from HIMETRIC to the form's scale units, or back, as a container
// converts for the controls it holds: a position counts from the form's
// ScaleLeft and ScaleTop, a size does not.
POINTF TransformFormCoords(const Form& form, POINTF point, bool position, bool toForm);

}  // namespace host
