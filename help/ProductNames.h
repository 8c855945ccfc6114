// The product names that the diagnostics give to version numbers: one table for the HTML Help
// control library, one for the browser component. Rows are tried from the top; the first whose
// threshold the version reaches names it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "help/FileVersions.h"

namespace solvanex::help {

enum class Reach {
  kAbove,    // the version is higher than the threshold
  kExactly,  // the version equals the threshold
  kAtLeast,  // the version equals the threshold or is higher
  kAny,      // every version (the last row: "lower" than all the others)
};

struct ProductNameRow {
  Reach reach;
  std::uint16_t major, minor, release, build;  // the threshold
  const char* name;
};

// Table 1: the HTML Help control library.
extern const std::array<ProductNameRow, 14> kHelpControlNames;
// Table 2: the browser component "Shdocvw.dll" (its corrected version).
extern const std::array<ProductNameRow, 33> kBrowserNames;

// The name table gives version; empty when the version's text is empty (not installed).
std::string ProductName(std::span<const ProductNameRow> table, const FileVersionInfo& version);

}  // namespace solvanex::help
