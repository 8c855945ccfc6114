#include "about/MemoryLines.h"

#include "form/MemoryText.h"

namespace solvanex {

QString PhysicalMemoryLine(std::uint64_t totalBytes, const QLocale& locale) {
  return QString::fromStdString(
      form::PhysicalMemoryText(totalBytes, locale.groupSeparator().toStdString()));
}

QString FreeResourcesLine(std::uint32_t memoryLoad) {
  return QString::fromStdString(form::FreeResourcesText(memoryLoad));
}

}  // namespace solvanex
