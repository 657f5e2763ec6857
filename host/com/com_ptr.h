#pragma once

#include <wrl/client.h>

namespace host {

// The owner of every COM interface pointer of the runtime and its programs.
using Microsoft::WRL::ComPtr;

}  // namespace host
