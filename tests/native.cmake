# Native tests of the portable code.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB ORVANE_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/native/*.cpp)
add_executable(orvane_native_tests ${ORVANE_NATIVE_TESTS})
target_link_libraries(orvane_native_tests PRIVATE orvane_portable GTest::gtest GTest::gtest_main)
target_compile_definitions(orvane_native_tests PRIVATE ORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(orvane_native_tests DISCOVERY_TIMEOUT 60)
include(${CMAKE_CURRENT_LIST_DIR}/tools.cmake)
