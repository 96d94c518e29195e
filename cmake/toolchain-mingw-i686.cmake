# The 32-bit programs that ship; Wine runs them with its 32-bit loader.
set(KRUMBEL_MINGW_ARCH i686)
set(KRUMBEL_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
