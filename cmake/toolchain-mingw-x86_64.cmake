# The same sources as 64-bit programs.
set(KRUMBEL_MINGW_ARCH x86_64)
set(KRUMBEL_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
