#include "CommandLine.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

Switches ParseSwitches(const KStr& arguments) {
    Switches switches;
    switches.advanced = arguments.Find("-advanced") >= 0;
    switches.bunt = arguments.Find("-bunt") >= 0;
    switches.defaults = arguments.Find("-defaults") >= 0;
    switches.automatic = arguments.Find("-automatic") >= 0;
    return switches;
}

KStr ArgumentText(const char* commandLine) {
    if (commandLine == nullptr) {
        return KStr();
    }
    const char* p = commandLine;
    if (*p == '"') {
        // A quoted path may hold blanks; it ends at the closing quote.
        ++p;
        while (*p != '\0' && *p != '"') {
            ++p;
        }
        if (*p == '"') {
            ++p;
        }
    }
    // The rest of the program token, up to the first blank (also after a closing quote, as the
    // system itself reads it).
    while (*p != '\0' && !IsBlank(*p)) {
        ++p;
    }
    while (IsBlank(*p)) {
        ++p;
    }
    return KStr(p);
}
