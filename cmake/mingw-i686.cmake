# The product: the 32-bit Windows program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVANE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
