#include "help/ProductNames.h"

namespace solvanex::help {

const std::array<ProductNameRow, 14> kHelpControlNames = {{
    {Reach::kAbove, 4, 74, 9273, 0, "> 1.33"},
    {Reach::kExactly, 4, 74, 9273, 0, "1.33"},
    {Reach::kAtLeast, 4, 74, 8857, 0, "1.32"},
    {Reach::kAtLeast, 4, 74, 8793, 0, "1.31"},
    {Reach::kAtLeast, 4, 74, 8702, 0, "1.3"},
    {Reach::kAtLeast, 4, 73, 8561, 0, "1.22"},
    {Reach::kAtLeast, 4, 73, 8474, 0, "1.21a"},
    {Reach::kAtLeast, 4, 73, 8412, 0, "1.21"},
    {Reach::kAtLeast, 4, 73, 8252, 0, "1.2"},
    {Reach::kAtLeast, 4, 72, 8164, 0, "1.1b"},
    {Reach::kAtLeast, 4, 72, 7325, 0, "1.1a"},
    {Reach::kAtLeast, 4, 72, 7323, 0, "1.1"},
    {Reach::kAtLeast, 4, 72, 7290, 0, "1.0"},
    {Reach::kAny, 0, 0, 0, 0, "< 1.0"},
}};

const std::array<ProductNameRow, 33> kBrowserNames = {{
    {Reach::kAbove, 6, 0, 2600, 0, "> Internet Explorer 6"},
    {Reach::kExactly, 6, 0, 2600, 0, "Internet Explorer 6 (Windows XP)"},
    {Reach::kAtLeast, 6, 0, 2479, 6, "Internet Explorer 6 Public Preview (Beta) Refresh"},
    {Reach::kAtLeast, 6, 0, 2462, 0, "Internet Explorer 6 Public Preview (Beta)"},
    {Reach::kAtLeast, 5, 50, 4807, 2300, "Internet Explorer 5.5 Service Pack 2"},
    {Reach::kAtLeast, 5, 50, 4522, 1800, "Internet Explorer 5.5 Service Pack 1"},
    {Reach::kAtLeast, 5, 50, 4308, 2900, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
    {Reach::kAtLeast, 5, 50, 4134, 600, "Internet Explorer 5.5"},
    {Reach::kAtLeast, 5, 50, 4134, 100, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
    {Reach::kAtLeast, 5, 50, 4030, 2400, "Internet Explorer 5.5 & Internet Tools Beta"},
    {Reach::kAtLeast, 5, 50, 3825, 1300, "Internet Explorer 5.5 Developer Preview"},
    {Reach::kAtLeast, 5, 0, 2919, 6307, "Internet Explorer 5.01"},
    {Reach::kAtLeast, 5, 0, 2919, 3800,
     "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
    {Reach::kAtLeast, 5, 0, 2919, 800,
     "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
    {Reach::kAtLeast, 5, 0, 2721, 1400, "Internet Explorer 5.0 updated"},
    {Reach::kAtLeast, 5, 0, 2614, 0, "Internet Explorer 5.0b"},
    {Reach::kAtLeast, 5, 0, 2314, 0, "Internet Explorer 5.0a"},
    {Reach::kAtLeast, 5, 0, 2014, 0, "Internet Explorer 5.0"},
    {Reach::kAtLeast, 5, 0, 910, 0, "Internet Explorer 5 Beta (Beta 2)"},
    {Reach::kAtLeast, 5, 0, 518, 0, "Internet Explorer 5 Developer Preview (Beta 1)"},
    {Reach::kAtLeast, 4, 72, 3612, 0, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
    {Reach::kAtLeast, 4, 72, 3110, 0, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
    {Reach::kAtLeast, 4, 72, 2106, 0, "Internet Explorer 4.01"},
    {Reach::kAtLeast, 4, 71, 1712, 0, "Internet Explorer 4.0"},
    {Reach::kAtLeast, 4, 71, 1008, 0, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
    {Reach::kAtLeast, 4, 71, 544, 0, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
    {Reach::kAtLeast, 4, 70, 1300, 0, "Internet Explorer 3.02"},
    {Reach::kAtLeast, 4, 70, 1215, 0, "Internet Explorer 3.01"},
    {Reach::kAtLeast, 4, 70, 1158, 0, "Internet Explorer 3.0 (OSR2)"},
    {Reach::kAtLeast, 4, 70, 1155, 0, "Internet Explorer 3.0"},
    {Reach::kAtLeast, 4, 40, 520, 0, "Internet Explorer 2.0"},
    {Reach::kAtLeast, 4, 40, 308, 0, "Internet Explorer 1.0 (Plus!)"},
    {Reach::kAny, 0, 0, 0, 0, "< Internet Explorer 1.0 (Plus!)"},
}};

std::string ProductName(std::span<const ProductNameRow> table, const FileVersionInfo& version) {
  if (version.text.empty()) return {};
  for (const ProductNameRow& row : table) {
    const int order =
        CompareVersions(version, FileVersionInfo{row.major, row.minor, row.release, row.build, {}});
    const bool reached = row.reach == Reach::kAny || (row.reach == Reach::kAbove && order > 0) ||
                         (row.reach == Reach::kExactly && order == 0) ||
                         (row.reach == Reach::kAtLeast && order >= 0);
    if (reached) return row.name;
  }
  return {};
}

}  // namespace solvanex::help
