#include "host/drawing/picture.h"

#include <cmath>
#include <utility>

#include "host/runtime/error.h"
#include "host/services/screen.h"
#include "host/win32/dc_scope.h"

namespace host {
namespace {

constexpr double kTwipsPerHimetric = 1440.0 / 2540.0;

OLE_XSIZE_HIMETRIC HimetricFromPixelsX(int pixels) {
  return static_cast<OLE_XSIZE_HIMETRIC>(pixels * Screen().TwipsPerPixelX() / kTwipsPerHimetric);
}

OLE_YSIZE_HIMETRIC HimetricFromPixelsY(int pixels) {
  return static_cast<OLE_YSIZE_HIMETRIC>(pixels * Screen().TwipsPerPixelY() / kTwipsPerHimetric);
}

short PictureType(IPicture& picture) {
  short type = PICTYPE_NONE;
  picture.get_Type(&type);
  return type;
}

}  // namespace

ComPtr<IPictureDisp> PictureFromBitmap(UniqueBitmap bitmap) {
  PICTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.picType = PICTYPE_BITMAP;
  description.bmp.hbitmap = bitmap.get();
  ComPtr<IPictureDisp> picture;
  if (!bitmap || FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                                 reinterpret_cast<void**>(picture.GetAddressOf())))) {
    throw RuntimeError(error_number::OutOfMemory, "the picture object could not be created");
  }
  [[maybe_unused]] const HBITMAP handedOver = bitmap.release();
  return picture;
}

ComPtr<IPictureDisp> SnapshotPicture(HDC source, SIZE size) {
  UniqueBitmap copy(CreateCompatibleBitmap(source, size.cx, size.cy));
  const UniqueDC memory(CreateCompatibleDC(source));
  {
    const SelectedObject selected(memory.get(), copy.get());
    BitBlt(memory.get(), 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
  }
  return PictureFromBitmap(std::move(copy));
}

ComPtr<IPicture> CheckedPicture(IPictureDisp* object) {
  ComPtr<IPicture> picture;
  if (object == nullptr || FAILED(object->QueryInterface(IID_PPV_ARGS(&picture))) ||
      PictureType(*picture.Get()) == PICTYPE_NONE) {
    throw RuntimeError(error_number::InvalidPicture);
  }
  return picture;
}

SIZE PictureSizeInPixels(IPicture& picture) {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture.get_Width(&width);
  picture.get_Height(&height);
  return {static_cast<LONG>(std::lround(width * kTwipsPerHimetric / Screen().TwipsPerPixelX())),
          static_cast<LONG>(std::lround(height * kTwipsPerHimetric / Screen().TwipsPerPixelY()))};
}

void DrawPicture(HDC dc, IPicture& picture, const PixelArea& target, const PixelArea& source, DWORD rasterOperation) {
  OLE_HANDLE handle = 0;
  picture.get_Handle(&handle);
  if (PictureType(picture) == PICTYPE_BITMAP) {
    const UniqueDC memory(CreateCompatibleDC(dc));
    const SelectedObject selected(memory.get(), reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.x, target.y, target.width, target.height, memory.get(), source.x, source.y, source.width,
               source.height, rasterOperation);
    SetStretchBltMode(dc, previousMode);
    return;
  }
  // Render measures the source in HIMETRIC upwards from the picture's bottom edge.
  OLE_YSIZE_HIMETRIC height = 0;
  picture.get_Height(&height);
  picture.Render(dc, target.x, target.y, target.width, target.height, HimetricFromPixelsX(source.x),
                 height - HimetricFromPixelsY(source.y), HimetricFromPixelsX(source.width),
                 -HimetricFromPixelsY(source.height), nullptr);
}

HICON CheckedIconOf(IPictureDisp* object) {
  const ComPtr<IPicture> picture = CheckedPicture(object);
  OLE_HANDLE handle = 0;
  if (PictureType(*picture.Get()) != PICTYPE_ICON || FAILED(picture->get_Handle(&handle))) {
    throw RuntimeError(error_number::InvalidPropertyValue);
  }
  return reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle));
}

}  // namespace host
