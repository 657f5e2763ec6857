#include "converter/cli/usage_text.h"

#include "converter/core/edition.h"

namespace converter::cli {

std::string UsageText() {
  return R"(Usage: formwright-cli [OPTIONS] FORM...
       formwright-cli --project PROJECT [OPTIONS]

Converts Visual Basic form files into PowerBASIC DDT dialog source, one
output file per form, named after the form with its last three characters
replaced by "DDT" (Main.frm gives Main.DDT, beside the form). A form without
any CR, whose CR LF line ends became LF, is read as if each LF were CR LF.

Options:
  --edition NAME    formwright (default) or tinwright
  --outdir DIR      write every output file into DIR instead of beside its form
  -o FILE           write the output of the one FORM to FILE; "-o -" writes it
                    to standard output
  --project FILE    convert every form a .vbp project (its Form= lines) or a
                    version-3 .mak project (its .frm lines) lists; a listed
                    path that does not exist as written is matched without
                    regard to case, as Windows would
  --report          tell on standard error, per form, how many controls of each
                    kind were converted and which were left out and why
  --quiet           do not print the "Saved file as:" lines
  --help            show this text
  --version         show the version

Environment:
  SOURCE_DATE_EPOCH  seconds since 1970-01-01; the header then shows that
                     instant in UTC instead of the local date and time

Exit status: 0 when every form was converted, 1 when a form or project file
could not be read or an output could not be written, 2 for a usage error.
)";
}

std::string VersionText() {
  return std::string("formwright-cli ") + FORMWRIGHT_CLI_VERSION +
         " (editions: " + std::string(EditionName(Edition::Formwright)) + " (default), " +
         std::string(EditionName(Edition::Tinwright)) + ")\n";
}

}  // namespace converter::cli
