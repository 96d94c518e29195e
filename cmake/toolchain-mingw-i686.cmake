# The 32-bit programs that ship. The win32 thread model keeps the POSIX thread library, and the
# newer Windows functions it imports, out of the programs, so they start on Windows XP SP3.
set(KRUMBEL_MINGW_ARCH i686)
set(KRUMBEL_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
