// A message the core words from patterns: English, marked Translatable, each looked up in
// the front end's catalogue when the front end gives its words.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

namespace pennatran {

// Gives a pattern in the user's language, its markers %1, %2, ... kept.
using TMessageWords = std::function<std::string(const char* pattern)>;

// The pattern, looked up in words when given, with %1, %2, ... replaced by args in order.
std::string SayPattern(const TMessageWords& words, const char* pattern,
                       std::initializer_list<std::string> args = {});

}  // namespace pennatran
