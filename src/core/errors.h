#pragma once
// Failures carry the complete message for the user. Line breaks inside a
// message are CR LF.
#include <stdexcept>
#include <string>

namespace qs {

inline constexpr const char* kCrLf = "\r\n";

// An error whose what() is the complete user message.
class EMergeError : public std::runtime_error {
  public:
    explicit EMergeError(const std::string& message) : std::runtime_error(message) {}
};

// Ends the current event without a further message (one has already been shown).
class EAbort : public std::exception {
  public:
    const char* what() const noexcept override { return ""; }
};

// The error box's text: a "." is appended when the message is not empty and
// its last character's code is above that of ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace qs
