# The same sources as 64-bit programs, for Wine's 64-bit loader.
set(KRUMBEL_MINGW_ARCH x86_64)
set(KRUMBEL_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
