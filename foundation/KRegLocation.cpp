#include "KRegLocation.h"

#include <cstring>

namespace {

constexpr int kPrefixLength = 5;

}  // namespace

KRegRoot RegRootOf(const char* where) {
    if (where == nullptr) {
        return KRegRoot::None;
    }
    if (std::strncmp(where, "HKCU:", kPrefixLength) == 0) {
        return KRegRoot::CurrentUser;
    }
    if (std::strncmp(where, "HKLM:", kPrefixLength) == 0) {
        return KRegRoot::LocalMachine;
    }
    return KRegRoot::None;
}

KRegLocation ParseRegLocation(const char* where) {
    KRegLocation location;
    location.root = RegRootOf(where);
    if (location.root != KRegRoot::None) {
        location.keyPath = where + kPrefixLength;
        location.keyPath.Replace("/", "\\");
    }
    return location;
}
