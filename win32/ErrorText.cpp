// Provisional: the elision rule until the shared description of the window is merged in.
#include "win32/ErrorText.h"

#include "calculator/Errors.h"
#include "win32/Wide.h"

namespace solvanex::win32 {

namespace {

constexpr std::size_t kHead = 60;
constexpr std::size_t kTail = 20;
constexpr std::size_t kLongMessage = 200;

std::wstring OneLine(std::wstring text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      out += L'\u21b5';
    } else if (c < 0x20 || c == 0x7f) {
      out += L' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::wstring Elide(const std::string& message, std::size_t from, std::size_t length) {
  if (from > message.size()) from = message.size();
  if (length > message.size() - from) length = message.size() - from;
  std::wstring quoted = ToWide(std::string_view(message).substr(from, length));
  if (quoted.size() > kHead + kTail + 1) {
    quoted = quoted.substr(0, kHead) + L'\u2026' + quoted.substr(quoted.size() - kTail);
  }
  return ToWide(std::string_view(message).substr(0, from)) + OneLine(quoted) +
         ToWide(std::string_view(message).substr(from + length));
}

}  // namespace

std::wstring ErrorBoxTextOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const ConversionError& conversion) {
    const std::string text = ErrorBoxText(conversion.what());
    const std::size_t at = text.find(conversion.Text());
    return at == std::string::npos ? Elide(text, 0, 0) : Elide(text, at, conversion.Text().size());
  } catch (const std::exception& other) {
    const std::string text = ErrorBoxText(other.what());
    return Elide(text, 0, text.size() > kLongMessage ? text.size() : 0);
  } catch (...) {
    return L"Erreur interne inattendue.";
  }
}

}  // namespace solvanex::win32
