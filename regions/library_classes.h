#pragma once

#include <windows.h>
// windows.h first: olectl.h relies on its types.
#include <olectl.h>

#include "host/activex/activex_control.h"
#include "regions/region_ids.h"

namespace regions {

// How containers treat both controls: sited before they load, active while
// visible, redrawn when resized.
inline constexpr DWORD kRegionsMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE |
                                            OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE;

inline constexpr host::ActiveXControl::Class kRegionContainerClass{kRegionContainerClassId, kRegionContainerEventsId,
                                                                   kRegionsMiscStatus};
inline constexpr host::ActiveXControl::Class kRegionTransparentClass{kRegionTransparentClassId,
                                                                     kRegionTransparentEventsId, kRegionsMiscStatus};

}  // namespace regions
