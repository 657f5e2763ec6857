#pragma once

#include <windows.h>
// windows.h first: ocidl.h relies on its types.
#include <ocidl.h>
#include <olectl.h>

#include <string_view>
#include <utility>

#include "host/com/com_ptr.h"
#include "host/description/property_bag.h"

namespace host {

// A picture object in a property bag.
class StoredPicture final : public StoredObject {
 public:
  explicit StoredPicture(ComPtr<IPictureDisp> picture) : picture_(std::move(picture)) {}
  const ComPtr<IPictureDisp>& Picture() const { return picture_; }

 private:
  ComPtr<IPictureDisp> picture_;
};

// The picture stored under `key`: one a container handed over, or one the
// form's companion data holds, as form text names it (`"Form1.frx":0000`).
// Null when the bag holds none; error 481 when the stored data is no picture.
ComPtr<IPictureDisp> ReadPictureProperty(const PropertyBag& bag, std::string_view key);
// Stores `picture` under `key`; null drops the key, as a default would.
void WritePictureProperty(PropertyBag& bag, std::string_view key, IPictureDisp* picture);

// Whether a stored value names companion data (`"File.frx":offset`).
bool IsCompanionReference(std::string_view value);
// The picture a companion-data reference names. The companion file travels
// as an RCDATA resource of the program named like the file ("FORM1.FRX");
// its picture entries are "lt\0\0", a 32-bit length, then the image (JPEG,
// BMP, GIF, ICO) as OleLoadPicture reads it.
ComPtr<IPictureDisp> LoadCompanionPicture(std::string_view value);

}  // namespace host
