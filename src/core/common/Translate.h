// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translation catalogue where it is defined and
// translated later with translate(context, text); the catalogue's extractor
// knows this name. The core has no Qt, so it is defined here when Qt's own
// is not around.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace kelvora {

// Where the program's translations come from: the desktop program and the
// command line (with --lang) set one; without it every text is its source,
// which is the Dutch (and for store errors the English) text as always.
using TranslateFunction = std::string (*)(const char* context, const char* source);
void setTranslateFunction(TranslateFunction function);

// The text `source` of `context` in the chosen language. Both must be
// string literals at the call (the catalogue is extracted from the calls).
std::string translate(const char* context, const char* source);

// A message template with %1..%9 filled in from `args`, each placeholder
// replaced once, left to right, so a value that itself holds "%2" stays as
// it is. A placeholder without a value stays as written.
std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> args);

} // namespace kelvora
