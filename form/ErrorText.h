// What the error box says for an error raised by a key handler: the message with its full stop
// (ErrorBoxText), and a quoted text of any length (a pasted display) shortened so that the box
// always fits the screen with its button in reach. The box's caption is the window's title.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace solvanex::form {

// The longest run of a message's quoted text that the box shows whole; a longer one keeps its
// first kElisionHead and last kElisionTail characters around one "…".
inline constexpr std::size_t kElisionHead = 60;
inline constexpr std::size_t kElisionTail = 20;
// A long message without a quoted text of its own is shortened as a whole past this length.
inline constexpr std::size_t kLongMessage = 200;
// The text for anything thrown that is not a std::exception.
inline constexpr std::string_view kUnexpectedError = "Erreur interne inattendue";

// message with the UTF-8 bytes [from, from + length) shortened as told above; line breaks (CR LF,
// CR or LF) in what is kept become one "↵" each and other control characters a blank, so the box
// keeps one line. The result is whole characters.
std::string ElideForErrorBox(std::string_view message, std::size_t from, std::size_t length);

// The box's text for an error caught from a handler: a conversion error has its quoted text
// shortened, another long message is shortened as a whole, the full stop is decided by the
// message's own last character before anything is shortened.
std::string ErrorBoxMessage(const std::exception& error);

// The same for whatever is in flight: call inside a catch block (catch (...)).
std::string CurrentErrorBoxMessage();

}  // namespace solvanex::form
