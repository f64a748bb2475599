# Cross build for 32-bit Windows: the x64 toolchain with the i686 tools.
set(ZEL_MINGW_TRIPLE i686-w64-mingw32)
set(ZEL_MINGW_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
