// The two system lines of the About box: the machine's total physical memory and the share of
// it that is free, worded and formatted as the dialog shows them.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace solvanex {

// "Mémoire physique totale : " and the total in kilobytes (bytes / 1024, halves rounded up),
// its digits grouped by thousands with the locale's group separator, then " Ko".
QString PhysicalMemoryLine(std::uint64_t totalBytes, const QLocale& locale = QLocale());

// "Ressources système      : " and 100 minus the memory load, then "% libre.".
QString FreeResourcesLine(std::uint32_t memoryLoad);

}  // namespace solvanex
