# The runnable folder: the program beside its language files and data, as it is
# copied to a Windows PC.
set(ORVANE_DIST_DIR ${CMAKE_BINARY_DIR}/Orvane)

file(GLOB ORVANE_LANGUAGE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/lang/*.lng)
file(GLOB ORVANE_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.html)

set(ORVANE_DIST_OUTPUTS ${ORVANE_DIST_DIR}/Orvane.exe)
add_custom_command(OUTPUT ${ORVANE_DIST_DIR}/Orvane.exe
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Orvane> ${ORVANE_DIST_DIR}/Orvane.exe
  DEPENDS Orvane)

# Language files are kept as UTF-8 in the tree; the profile functions read Unicode
# only from UTF-16LE files with a byte-order mark.
foreach(source ${ORVANE_LANGUAGE_SOURCES})
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${ORVANE_DIST_DIR}/${name}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/installer/make-lng ${source} ${ORVANE_DIST_DIR}/${name}
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/tools/installer/make-lng)
  list(APPEND ORVANE_DIST_OUTPUTS ${ORVANE_DIST_DIR}/${name})
endforeach()

foreach(source ${ORVANE_DATA_FILES})
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${ORVANE_DIST_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${ORVANE_DIST_DIR}/${name}
    DEPENDS ${source})
  list(APPEND ORVANE_DIST_OUTPUTS ${ORVANE_DIST_DIR}/${name})
endforeach()

# The logon pictures and the cursor themes, each file in its folder beside the program.
file(GLOB_RECURSE ORVANE_SHIPPED_ART CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/data
     ${CMAKE_SOURCE_DIR}/data/logon/*.jpg ${CMAKE_SOURCE_DIR}/data/cursors/*)
foreach(name ${ORVANE_SHIPPED_ART})
  get_filename_component(folder ${ORVANE_DIST_DIR}/${name} DIRECTORY)
  add_custom_command(OUTPUT ${ORVANE_DIST_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${name} ${ORVANE_DIST_DIR}/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${name})
  list(APPEND ORVANE_DIST_OUTPUTS ${ORVANE_DIST_DIR}/${name})
endforeach()

add_custom_target(dist ALL DEPENDS ${ORVANE_DIST_OUTPUTS})
