// Prints the marker of the build it comes from; tests/session/latest-build.sh builds it again
// with another marker, as a developer's change would.
#include <cstdio>

#include "BuildMarker.h"

int main() {
    std::puts(KRUMBEL_BUILD_MARKER);
    return 0;
}
