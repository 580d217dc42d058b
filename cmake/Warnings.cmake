# Warnings for our own code. Every library and program of the project calls
# verdo_warnings() on its target so that the flags never reach third-party code.
function(verdo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor -Wold-style-cast)
    # GCC 12 reports std::string concatenation at -O2 as overlapping memcpy
    # (GCC bug 105329), a false positive in the standard library's own code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# A core library: one folder of src/, plain C++ without Qt.
function(verdo_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    verdo_warnings(${name})
endfunction()

# A GoogleTest program registered with CTest. Usage:
#   verdo_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [GUI])
# Every test program is discovered just before it runs and with the offscreen
# platform, since those that create a QApplication need both. GUI marks them.
function(verdo_test name)
    cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    verdo_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
