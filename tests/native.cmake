# Native tests of the portable code.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB ORVANE_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/native/*.cpp)
add_executable(orvane_native_tests ${ORVANE_NATIVE_TESTS})
target_link_libraries(orvane_native_tests PRIVATE orvane_portable GTest::gtest GTest::gtest_main)
target_compile_definitions(orvane_native_tests PRIVATE ORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(orvane_native_tests DISCOVERY_TIMEOUT 60)
include(${CMAKE_CURRENT_LIST_DIR}/tools.cmake)

# The rasterizer once more under AddressSanitizer and the undefined-behaviour checks,
# float-to-int overflow included, with its tests of shapes far outside the frame.
set(ORVANE_SANITIZE -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
add_executable(orvane_rasterizer_asan_tests ${CMAKE_CURRENT_LIST_DIR}/asan/RasterizerBoundsTest.cpp
               ${CMAKE_SOURCE_DIR}/effects/Coverage.cpp ${CMAKE_SOURCE_DIR}/effects/SoftwareCanvas.cpp
               ${CMAKE_SOURCE_DIR}/effects/Sprite.cpp ${CMAKE_SOURCE_DIR}/effects/TurnedPicture.cpp)
target_include_directories(orvane_rasterizer_asan_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orvane_rasterizer_asan_tests PRIVATE ${ORVANE_SANITIZE} -fno-omit-frame-pointer -g)
target_link_options(orvane_rasterizer_asan_tests PRIVATE ${ORVANE_SANITIZE})
target_link_libraries(orvane_rasterizer_asan_tests PRIVATE GTest::gtest GTest::gtest_main)
gtest_discover_tests(orvane_rasterizer_asan_tests TEST_PREFIX asan. DISCOVERY_TIMEOUT 60)

# The soak run's judgement of growth, which the Windows soak program uses.
target_sources(orvane_native_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/soak/SoakVerdict.cpp)
