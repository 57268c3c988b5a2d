#pragma once
// The shipped English language file, compiled into the program by the build (cp1251, CR LF lines).
#include <string_view>

std::string_view BuiltInEnglishFile();
