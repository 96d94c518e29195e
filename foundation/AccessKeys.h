// Access keys of labels and buttons, marked in their texts as Windows dialogs mark them: "&"
// before the key's letter, "&&" for an "&" of the text itself. The dialog manager finds the keys
// and the controls underline them; what takes a text rather than showing it drops the mark.
#pragma once

#include <string>

// The letter a text marks as its key, upper case; 0 when it marks none (or for a null text).
char AccessKeyOf(const char* text);

// The text as it reads, without its mark: "&Save" gives "Save", "Tom && Ann" gives "Tom & Ann".
std::string WithoutAccessKeyMark(const char* text);
