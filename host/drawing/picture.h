#pragma once

#include <windows.h>
// windows.h first: olectl.h relies on its types.
#include <olectl.h>

#include "host/com/com_ptr.h"
#include "host/win32/unique_handle.h"

namespace host {

// A stretch of pixels; a negative width or height mirrors along that axis.
struct PixelArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A picture object that owns the bitmap from now on; error 7 when none can be made.
ComPtr<IPictureDisp> PictureFromBitmap(UniqueBitmap bitmap);
// A picture object of its own holding a copy of what `source` shows in (0, 0)-size.
ComPtr<IPictureDisp> SnapshotPicture(HDC source, SIZE size);
// The picture behind a picture object; error 481 for no object or another kind.
ComPtr<IPicture> CheckedPicture(IPictureDisp* object);
// Its size in screen pixels.
SIZE PictureSizeInPixels(IPicture& picture);
// Draws `source` (pixels of the picture) into `target` (pixels of dc).
// Bitmaps combine by the raster operation; icons and metafiles draw as they are.
void DrawPicture(HDC dc, IPicture& picture, const PixelArea& target, const PixelArea& source, DWORD rasterOperation);
// The icon or cursor of a picture object, which keeps owning it; error 380 for another kind.
HICON CheckedIconOf(IPictureDisp* object);

}  // namespace host
