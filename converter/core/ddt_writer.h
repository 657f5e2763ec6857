#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "converter/core/byte_sink.h"
#include "converter/core/clock.h"
#include "converter/core/control_record.h"
#include "converter/core/edition.h"
#include "converter/core/form_model.h"
#include "converter/core/menu_tables.h"

namespace converter {

// The writer's sections, each as the one write that puts it in the file, its
// closing CR LF included. Every line ends with CR LF.

// The comment block naming the form, the stamp and the build, the compile
// switches and the global.
std::string HeaderSection(std::string_view formPath, const LocalDateTime& now, Edition edition);

// The control equates of conversion k: k x 100 + i.
std::string ControlEquatesSection(std::span<const ControlRecord> writerList, std::int64_t k);

// The popup and item equates of conversion k; empty without popups.
std::string MenuEquatesSection(const MenuTables& menus, std::int64_t k);

std::string DeclarationsSection(std::span<const ControlRecord> writerList, const MenuTables& menus);

std::string CallbackBodiesSection(std::span<const ControlRecord> writerList);

// PBMAIN up to the dialog's creation, with the menu block when there are popups.
std::string MainFunctionSection(const FormModel& model, const MenuTables& menus);

// The writes of the controls step: one per control, then the function's end.
void WriteControlsStep(std::span<const ControlRecord> writerList, ByteSink& out);

// The equates step: opens conversion `conversionNumber` + 1.
void WriteEquatesStep(const FormModel& model, const MenuTables& menus, int& conversionNumber, ByteSink& out);

}  // namespace converter
