# The installer and the portable zip of the runnable folder, named by the version in
# the program's version resource.
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/Orvane.rc ORVANE_FILEVERSION_LINE
     REGEX "^FILEVERSION[ \t]")
string(REGEX MATCH "([0-9]+)[ ,]+([0-9]+)[ ,]+([0-9]+)" _ "${ORVANE_FILEVERSION_LINE}")
set(ORVANE_VERSION ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3})

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # The 64-bit build exists to be tested where 32-bit programs cannot run.
  set(ORVANE_PACKAGE_SUFFIX "-x64")
  set(ORVANE_NSIS_TARGET amd64-unicode)
else()
  set(ORVANE_PACKAGE_SUFFIX "")
  set(ORVANE_NSIS_TARGET x86-unicode)
endif()
set(ORVANE_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
set(ORVANE_INSTALLER ${ORVANE_PACKAGE_DIR}/Orvane-${ORVANE_VERSION}${ORVANE_PACKAGE_SUFFIX}-setup.exe)
set(ORVANE_PORTABLE_ZIP ${ORVANE_PACKAGE_DIR}/Orvane-${ORVANE_VERSION}${ORVANE_PACKAGE_SUFFIX}-portable.zip)

add_custom_command(OUTPUT ${ORVANE_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ORVANE_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ORVANE_PORTABLE_ZIP} --format=zip Orvane
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${ORVANE_DIST_OUTPUTS})
set(ORVANE_PACKAGE_OUTPUTS ${ORVANE_PORTABLE_ZIP})

find_program(MAKENSIS makensis)
if(MAKENSIS)
  set(script ${CMAKE_SOURCE_DIR}/tools/installer/Orvane.nsi)
  add_custom_command(OUTPUT ${ORVANE_INSTALLER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_PACKAGE_DIR}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/installer/make-file-list ${ORVANE_DIST_DIR}
            ${ORVANE_PACKAGE_DIR}/files.nsh ${ORVANE_PACKAGE_DIR}/unfiles.nsh
    COMMAND ${MAKENSIS} -V2 -DVERSION=${ORVANE_VERSION} -DTARGET=${ORVANE_NSIS_TARGET}
            -DDIST=${ORVANE_DIST_DIR} -DOUTFILE=${ORVANE_INSTALLER}
            -DFILES=${ORVANE_PACKAGE_DIR}/files.nsh -DUNFILES=${ORVANE_PACKAGE_DIR}/unfiles.nsh
            -DICON=${CMAKE_SOURCE_DIR}/resources/icons/128.ico ${script}
    DEPENDS ${ORVANE_DIST_OUTPUTS} ${script} ${CMAKE_SOURCE_DIR}/tools/installer/make-file-list)
  list(APPEND ORVANE_PACKAGE_OUTPUTS ${ORVANE_INSTALLER})
else()
  message(STATUS "Installer skipped: makensis missing")
endif()
add_custom_target(package_files ALL DEPENDS ${ORVANE_PACKAGE_OUTPUTS})
