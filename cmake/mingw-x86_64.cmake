# The same program built for x86-64: how its behaviour is tested under Wine on hosts
# that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
