#include "host/forms/form_coordinates.h"

#include "host/forms/form.h"

namespace host {

POINTF TransformFormCoords(const Form& form, POINTF point, bool position, bool toForm) {
  const DrawingSurface& surface = form.Surface();
  const ScaleModel& scale = surface.Scale();
  const SIZE client = surface.ClientSize();
  const POINTF origin = position ? POINTF{scale.Left(), scale.Top()} : POINTF{0, 0};
  if (toForm) {
    return {static_cast<FLOAT>(origin.x + scale.ConvertX(point.x, vbHimetric, vbUser, client)),
            static_cast<FLOAT>(origin.y + scale.ConvertY(point.y, vbHimetric, vbUser, client))};
  }
  return {static_cast<FLOAT>(scale.ConvertX(point.x - origin.x, vbUser, vbHimetric, client)),
          static_cast<FLOAT>(scale.ConvertY(point.y - origin.y, vbUser, vbHimetric, client))};
}

}  // namespace host
