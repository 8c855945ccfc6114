// What the function pages say of the departures from the published formulas (see
// clinical/Departures.h): a notice above the calculation for those of 1 % or more, with what the
// reader must beware of, and the smaller ones with the reference.
#pragma once

#include "clinical/Departures.h"

#include <string>
#include <string_view>

namespace solvanex::helpcontent {

// "Pour une femme, le résultat est 20 % plus élevé que selon …." as plain text; the size is
// rounded to two significant digits, with "jusqu'à" when it varies over the usual values.
std::string DepartureSentence(const Departure& departure);

// The notice of the key's page: its departures of at least 1 % and the caution (plain text with
// key examples); empty when it has neither.
std::string DepartureNoticeHtml(std::string_view key, std::string_view caution);

// The paragraph that goes with the reference: the departures under 1 %, or, for a key without
// any departure, that it follows the published formula.
std::string DepartureSummaryHtml(std::string_view key);

}  // namespace solvanex::helpcontent
