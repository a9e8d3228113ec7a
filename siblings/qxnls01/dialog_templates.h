// The records of 32-bit dialog template values (qxnls01_registry.h), per module instance.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "wide_units.h"

namespace qxnls {

// A registered template: a name, or a number when the name is empty.
struct DialogTemplate {
  std::u16string name;
  WORD number = 0;

  LPCWSTR resourceName() const { return name.empty() ? MAKEINTRESOURCEW(number) : qxsibling::wide(name.c_str()); }
};

// The template recorded for the value of the instance, copied; none when there is no record.
// Throws std::bad_alloc when the copy cannot be made.
std::optional<DialogTemplate> findDialogTemplate(HINSTANCE instance, DWORD templateValue);

}  // namespace qxnls
