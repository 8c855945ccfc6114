#include "about/MemoryLines.h"

#include "about/MemoryText.h"

namespace solvanex {

QString PhysicalMemoryLine(std::uint64_t totalBytes, const QLocale& locale) {
  return QString::fromStdString(
      PhysicalMemoryText(totalBytes, locale.groupSeparator().toStdString()));
}

QString FreeResourcesLine(std::uint32_t memoryLoad) {
  return QString::fromStdString(FreeResourcesText(memoryLoad));
}

}  // namespace solvanex
