// libFuzzer target over the core. The first byte chooses what the rest is:
//  - even: a text for ParseNumber (with ',' or '.' by the next bit); whatever it accepts must
//    format and read back to the same text;
//  - odd: a key sequence, one byte per key, through a fresh calculator with the whole keypad;
//    no key may raise anything but the calculator's own errors, and the state must stay sound.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calculator/Errors.h"
#include "calculator/KeySession.h"
#include "calculator/NumberText.h"
#include "clinical/Keypad.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void FuzzParseNumber(std::string_view text, char separator) {
  double value = 0;
  try {
    value = solvanex::ParseNumber(text, separator);
  } catch (const solvanex::CalculatorError&) {
    return;
  }
  const std::string formatted = solvanex::FormatResult(value, separator);
  const double back = solvanex::ParseNumber(formatted, separator);
  Check(solvanex::FormatResult(back, separator) == formatted);
}

bool IsDigits(const std::string& text) {
  return text.find_first_not_of("0123456789") == std::string::npos;
}

void FuzzKeys(std::string_view bytes, char separator) {
  const auto& keys = solvanex::Keypad();
  solvanex::KeySession session(separator, keys, solvanex::ClinicalFormulas());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    const std::size_t extra = 6;  // four radio selections and two kinds of paste
    const std::size_t choice = byte % (keys.size() + extra);
    std::string key;
    if (choice < keys.size()) {
      key = keys[choice].name;
    } else if (choice - keys.size() < 4) {
      const std::size_t radio = choice - keys.size();
      key = std::string("RadioGroup") + (radio < 2 ? "1=" : "2=") + char('0' + radio % 2);
    } else {
      // Paste the next few bytes as text (at most 24), or a number-like text.
      const std::size_t length = std::min<std::size_t>(bytes.size() - i - 1, 24);
      key = "paste=" + std::string(bytes.substr(i + 1, length));
      i += length;
    }
    Check(session.Perform(key));
    const auto& state = session.Core().State();
    const auto& view = session.View();
    Check(view.color == solvanex::kColorBlack || view.color == solvanex::kColorRed);
    Check(view.memoryIndicator.empty() || view.memoryIndicator == "M");
    Check(state.SignText.empty() || state.SignText == "-");
    Check(!state.IntegerText.empty() && IsDigits(state.IntegerText));
    Check(state.IntegerText == "0" || state.IntegerText[0] != '0');
    Check(IsDigits(state.FractionText));
    Check(std::isfinite(state.Accumulator));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const char separator = (data[0] & 2) != 0 ? '.' : ',';
  if ((data[0] & 1) == 0) {
    FuzzParseNumber(rest, separator);
  } else {
    FuzzKeys(rest, separator);
  }
  return 0;
}
