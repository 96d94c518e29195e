# The 32-bit programs that ship.
set(KRUMBEL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
