// How a template's control text reads on screen.
#pragma once

#include <string>

// A control text as the user reads it: "&Next >>" -> "Next >>", "&&" -> "&".
std::string StripAccessKeys(const std::string& text);
