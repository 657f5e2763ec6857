#pragma once

#include <string>
#include <string_view>

#include "converter/core/byte_sink.h"
#include "converter/core/clock.h"
#include "converter/core/conversion_report.h"
#include "converter/core/edition.h"

namespace converter {

// The output file's name: the form path with its last three characters
// replaced by "DDT" (C:\forms\Main.frm -> C:\forms\Main.DDT).
std::string OutputPathFor(std::string_view formPath);

// The program-wide converter. Each conversion builds a fresh form model; only
// the conversion number, which keeps the equates of one run distinct, lives on.
class Converter {
 public:
  Converter(Edition edition, Clock clock);

  // One whole conversion of an in-memory form text. formPath is the path the
  // generated header names. A text with LF line ends only is read as if each
  // LF were CR LF.
  ConversionReport ConvertForm(std::string_view formText, std::string_view formPath, ByteSink& out);

  // The same for a form file on disk: reads it whole (throws FileError) and
  // names inputPath in the header.
  ConversionReport ConvertFormFile(const std::string& inputPath, ByteSink& out);

  int conversionNumber() const { return conversionNumber_; }
  Edition edition() const { return edition_; }

 private:
  Edition edition_;
  Clock clock_;
  int conversionNumber_ = 0;
};

}  // namespace converter
