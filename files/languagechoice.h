// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/language.h"

#include <optional>

namespace files {

// The language chosen in an earlier run (the window's menu or --language).
std::optional<format::Language> rememberedLanguage();
void rememberLanguage(format::Language language);

// The language to start in: the one asked on the command line, else the one
// remembered, else the desktop's (Italian where the program has no
// translation for it, and in the C locale).
format::Language startLanguage(std::optional<format::Language> asked);

} // namespace files
