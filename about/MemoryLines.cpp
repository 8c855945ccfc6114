#include "about/MemoryLines.h"

#include <algorithm>

namespace solvanex {

namespace {

// Grouping is done here rather than by QLocale::toString: the line always groups by thousands
// and always in plain digits, also under locales whose number options omit the separator (the
// C locale) or group otherwise.
QString GroupedByThousands(std::uint64_t value, const QLocale& locale) {
  const QString digits = QString::number(value);
  const QString separator = locale.groupSeparator();
  QString grouped;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped.append(separator);
    grouped.append(digits[i]);
  }
  return grouped;
}

}  // namespace

QString PhysicalMemoryLine(std::uint64_t totalBytes, const QLocale& locale) {
  // Whole kilobytes with halves rounded up, without the overflow of adding 512 first.
  const std::uint64_t kilobytes = totalBytes / 1024 + (totalBytes % 1024 >= 512 ? 1 : 0);
  return QStringLiteral("Mémoire physique totale : ") + GroupedByThousands(kilobytes, locale) +
         QStringLiteral(" Ko");
}

QString FreeResourcesLine(std::uint32_t memoryLoad) {
  const std::uint32_t free = 100 - std::min<std::uint32_t>(memoryLoad, 100);
  return QStringLiteral("Ressources système      : ") + QString::number(free) +
         QStringLiteral("% libre.");
}

}  // namespace solvanex
