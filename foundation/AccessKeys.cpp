#include "AccessKeys.h"

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

char AccessKeyOf(const char* text) {
    for (const char* at = text; at != nullptr && *at != '\0'; ++at) {
        if (at[0] == '&' && at[1] != '&') {
            return UpperAscii(at[1]);  // 0 for a mark that ends the text
        }
        if (at[0] == '&') {
            ++at;  // "&&": an "&" of the text
        }
    }
    return 0;
}

std::string WithoutAccessKeyMark(const char* text) {
    std::string shown;
    for (const char* at = text; at != nullptr && *at != '\0'; ++at) {
        if (at[0] == '&' && *++at == '\0') {
            break;
        }
        shown += *at;
    }
    return shown;
}
