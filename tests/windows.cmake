# Windows tests, cross-built with GoogleTest from the system's sources and run under
# Wine: unit tests of the Windows code, and end-to-end tests that drive Orvane.exe.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Every Wine test needs the prefix, Xvfb and the wineserver; they share the one
# desktop, so they run one at a time.
if(ORVANE_WINE_TESTS)
  add_test(NAME wine_setup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/wine-env start ${ORVANE_WINE_STATE}
                                   ${ORVANE_WINE_LOADER})
  add_test(NAME wine_cleanup COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/wine-env stop ${ORVANE_WINE_STATE})
  set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine)
endif()

# The runnable folder, as Windows programs under Wine see it.
string(REPLACE "/" "\\" dist_windows_path "Z:${ORVANE_DIST_DIR}")
string(REPLACE "/" "\\" installer_windows_path "Z:${ORVANE_INSTALLER}")

# The test programs are built in every tree; they are registered where Wine runs them,
# twice: test by test (label "per_test"), and each program whole in one process (label
# "whole_program"), for a machine where starting a process costs seconds. A suite runs one
# of the two: ctest -LE whole_program, or ctest -LE per_test. The whole programs write
# their results to whole-programs/NAME.xml.
function(orvane_wine_tests target prefix)
  if(NOT ORVANE_WINE_TESTS)
    return()
  endif()
  set(environment "ORVANE_DIST=${dist_windows_path};ORVANE_INSTALLER=${installer_windows_path}")
  gtest_add_tests(TARGET ${target} TEST_PREFIX "${prefix}" TEST_LIST added)
  set_tests_properties(${added} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 300
                       ENVIRONMENT "${environment}" LABELS per_test
                       SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  set(whole "${prefix}whole_program")
  add_test(NAME ${whole} COMMAND ${target}
           --gtest_output=xml:Z:${CMAKE_BINARY_DIR}/whole-programs/${target}.xml)
  set_tests_properties(${whole} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 7200
                       ENVIRONMENT "${environment}" LABELS whole_program)
endfunction()

add_library(orvane_test_support STATIC support/DesktopShellFixture.cpp support/MjpegAvi.cpp
            support/ProcessCounters.cpp support/TempFolder.cpp support/Screenshot.cpp
            support/TreeView.cpp support/RemoteControls.cpp support/ShellWindowsFixture.cpp
            support/DialogControls.cpp support/MessagePump.cpp
            support/FixtureProcess.cpp support/TestProgramFolder.cpp)
target_sources(orvane_test_support PRIVATE support/FixtureSavers.cpp)
target_include_directories(orvane_test_support PUBLIC support ${CMAKE_SOURCE_DIR})
target_link_libraries(orvane_test_support PUBLIC shell32 gdiplus ole32 gdi32 comctl32 shlwapi
                      psapi ntdll)

# Fixtures beside the test programs: a stand-in for the shell's desktop windows.
add_executable(orvane_desktop_shell WIN32 fixtures/DesktopShell.cpp)
target_include_directories(orvane_desktop_shell PRIVATE support)
target_link_options(orvane_desktop_shell PRIVATE -municode)
# And a stand-in for the WebView2 loader and runtime.
add_library(orvane_webview2_fixture SHARED fixtures/WebView2Loader.cpp)
target_include_directories(orvane_webview2_fixture PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(orvane_webview2_fixture PROPERTIES OUTPUT_NAME WebView2Loader PREFIX ""
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
# Microsoft's x86 loader exports its functions undecorated ("...WithOptions", not
# "...WithOptions@16"), as GetProcAddress asks for them.
target_link_options(orvane_webview2_fixture PRIVATE -Wl,--kill-at)
# And screen savers, which Wine ships none of: three named by their string 1 and one
# without a name. Copies of them go into the prefix's Windows folders.
set(ORVANE_FIXTURE_SAVERS OrvaneAurora:1 OrvaneTwin:2 OrvaneNight:3 OrvanePlain:0)
set(ORVANE_FIXTURE_SAVER_DIR ${CMAKE_CURRENT_BINARY_DIR}/savers)
set(fixture_saver_targets)
foreach(saver ${ORVANE_FIXTURE_SAVERS})
  string(REPLACE ":" ";" saver ${saver})
  list(GET saver 0 name)
  list(GET saver 1 variant)
  set(target orvane_fixture_saver_${variant})
  add_executable(${target} WIN32 fixtures/ScreenSaver.cpp fixtures/ScreenSaver.rc)
  target_compile_definitions(${target} PRIVATE ORVANE_SAVER_VARIANT=${variant})
  target_link_options(${target} PRIVATE -municode)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} SUFFIX .scr
                        RUNTIME_OUTPUT_DIRECTORY ${ORVANE_FIXTURE_SAVER_DIR})
  list(APPEND fixture_saver_targets ${target})
endforeach()
if(ORVANE_WINE_TESTS)
  add_test(NAME wine_screensavers COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/install-fixture-savers
                                          ${ORVANE_WINE_STATE} ${ORVANE_FIXTURE_SAVER_DIR})
  set_tests_properties(wine_screensavers PROPERTIES FIXTURES_SETUP wine DEPENDS wine_setup)
endif()

# Stand-ins for the taskbar, the start menu and other programs' windows, and for user32's
# window-composition function (exported by its plain name, as user32 does).
add_executable(orvane_shell_windows WIN32 fixtures/ShellWindows.cpp)
target_include_directories(orvane_shell_windows PRIVATE support)
target_link_libraries(orvane_shell_windows PRIVATE shell32)
target_link_options(orvane_shell_windows PRIVATE -municode)
add_library(orvane_composition_recorder SHARED fixtures/CompositionRecorder.cpp)
set_target_properties(orvane_composition_recorder PROPERTIES OUTPUT_NAME composition_recorder
                      PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_options(orvane_composition_recorder PRIVATE -Wl,--kill-at)

file(GLOB ORVANE_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/win/*.cpp)
add_executable(orvane_win_tests ${ORVANE_WIN_TESTS})
target_link_libraries(orvane_win_tests PRIVATE orvane_win orvane_resources orvane_test_support
                      gtest gtest_main)
add_dependencies(orvane_win_tests dist orvane_desktop_shell orvane_webview2_fixture)
add_dependencies(orvane_win_tests ${fixture_saver_targets})
add_dependencies(orvane_win_tests orvane_shell_windows orvane_composition_recorder)
orvane_wine_tests(orvane_win_tests "win.")

# The portable code's tests once more, built as the Windows program builds that code: in
# the 32-bit program floats are the x87's, whose results the tests must accept as well
# as SSE's. One process runs them all.
file(GLOB ORVANE_PORTABLE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/native/*.cpp)
add_executable(orvane_portable_tests ${ORVANE_PORTABLE_TESTS} soak/SoakVerdict.cpp)
target_link_libraries(orvane_portable_tests PRIVATE orvane_portable gtest gtest_main)
target_compile_definitions(orvane_portable_tests PRIVATE ORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The compositing's tests call its SSE2 kernels directly.
set_source_files_properties(native/BlendTest.cpp PROPERTIES COMPILE_OPTIONS -msse2)
if(ORVANE_WINE_TESTS)
  add_test(NAME portable_tests_as_built_for_windows COMMAND orvane_portable_tests)
  set_tests_properties(portable_tests_as_built_for_windows PROPERTIES FIXTURES_REQUIRED wine
                       RUN_SERIAL ON TIMEOUT 300)
endif()

# Plays PowerShell for the script runner's tests, which install it into the prefix from
# beside the test program.
add_executable(fake_powershell fixtures/FakePowerShell.cpp)
target_link_options(fake_powershell PRIVATE -municode)
add_dependencies(orvane_win_tests fake_powershell)

file(GLOB ORVANE_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/e2e/*.cpp)
add_executable(orvane_e2e_tests ${ORVANE_E2E_TESTS})
target_link_libraries(orvane_e2e_tests PRIVATE orvane_portable orvane_test_support gtest gtest_main
                      user32 advapi32 shlwapi shell32 comctl32 ole32 uuid)
add_dependencies(orvane_e2e_tests dist package_files orvane_shell_windows orvane_desktop_shell)
add_dependencies(orvane_e2e_tests ${fixture_saver_targets})
orvane_wine_tests(orvane_e2e_tests "e2e.")
# A drag with the real mouse: xdotool moves X's pointer, which Wine takes as the user's.
if(ORVANE_WINE_TESTS)
  add_test(NAME e2e.CustomObjects.ADraggedObjectIsFoundAtItsNewPlaceAfterExitAndANewStart
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/e2e/custom-object-drag.sh ${ORVANE_WINE_STATE}
                   ${ORVANE_DIST_DIR}/Orvane.exe $<TARGET_FILE:orvane_show_page>)
  set_tests_properties(e2e.CustomObjects.ADraggedObjectIsFoundAtItsNewPlaceAfterExitAndANewStart
                       PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 180)
endif()

# Orvane.exe on a display split into three monitors, in a Wine session of its own: the
# primary, one left of it (negative coordinates) and one right of it.
add_executable(orvane_monitor_tests monitors/SeveralMonitorsTest.cpp e2e/OrvaneProcess.cpp)
target_include_directories(orvane_monitor_tests PRIVATE e2e)
target_link_libraries(orvane_monitor_tests PRIVATE orvane_test_support gtest gtest_main user32)
add_dependencies(orvane_monitor_tests dist)
if(ORVANE_WINE_TESTS)
  set(monitor_state ${CMAKE_BINARY_DIR}/wine-monitors)
  set(monitor_layout "ORVANE_WINE_MONITORS=1920x1080+1280+0 1280x1024+0+100 1600x900+3200+0")
  add_test(NAME wine_monitors_setup
           COMMAND ${CMAKE_COMMAND} -E env ${monitor_layout} ${CMAKE_SOURCE_DIR}/tools/wine/wine-env
                   start ${monitor_state} ${ORVANE_WINE_LOADER})
  add_test(NAME wine_monitors_cleanup
           COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/wine-env stop ${monitor_state})
  set_tests_properties(wine_monitors_setup PROPERTIES FIXTURES_SETUP wine_monitors TIMEOUT 300)
  set_tests_properties(wine_monitors_cleanup PROPERTIES FIXTURES_CLEANUP wine_monitors)
  add_test(NAME e2e.SeveralMonitors
           COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/wine-run ${monitor_state}
                   $<TARGET_FILE:orvane_monitor_tests>)
  set_tests_properties(e2e.SeveralMonitors PROPERTIES FIXTURES_REQUIRED wine_monitors
                       RUN_SERIAL ON TIMEOUT 300 LABELS per_test
                       ENVIRONMENT "ORVANE_DIST=${dist_windows_path}")
endif()

# The program must run on a bare Windows: no runtime DLLs beside it.
add_test(NAME program_imports_only_system_dlls
         COMMAND ${CMAKE_SOURCE_DIR}/tools/checks/check-imports ${CMAKE_OBJDUMP} $<TARGET_FILE:Orvane>)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME program_is_large_address_aware
           COMMAND sh -c "\"$0\" -p \"$1\" | grep -q 'large address aware'" ${CMAKE_OBJDUMP}
                   $<TARGET_FILE:Orvane>)
  # It runs on processors without SSE2, which only the effects' compositing (and rain's
  # streaks) may use.
  set(compositing "/(SoftwareCanvas|FrameCanvas|MagnifiedPicture|PictureCopies|Rain)\\.cpp\\.obj$")
  add_test(NAME program_uses_sse2_only_in_the_compositing_code
           COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/checks/check-sse2.py ${CMAKE_OBJDUMP}
                   ${CMAKE_NM} $<TARGET_FILE:Orvane>
                   --sse2 "$<FILTER:$<TARGET_OBJECTS:orvane_portable>,INCLUDE,${compositing}>"
                   --others "$<FILTER:$<TARGET_OBJECTS:orvane_portable>,EXCLUDE,${compositing}>"
                   "$<TARGET_OBJECTS:orvane_win>" "$<TARGET_OBJECTS:Orvane>"
           COMMAND_EXPAND_LISTS)
endif()

# Shows a page of the Effects tab in a running Orvane, for the page screenshots.
add_executable(orvane_show_page ${CMAKE_SOURCE_DIR}/tools/screenshots/show-page/ShowPage.cpp)
target_link_libraries(orvane_show_page PRIVATE orvane_test_support user32)
target_link_options(orvane_show_page PRIVATE -municode)

# The soak run (./dev soak): Orvane under load for a while, its resources sampled.
add_executable(orvane_soak soak/OrvaneSoak.cpp soak/SoakVerdict.cpp e2e/OrvaneProcess.cpp)
target_include_directories(orvane_soak PRIVATE e2e soak)
target_link_libraries(orvane_soak PRIVATE orvane_test_support)
target_link_options(orvane_soak PRIVATE -municode)
add_dependencies(orvane_soak dist orvane_desktop_shell)
