# Target helpers: every library, program, test, benchmark and fuzz target of the tree is made
# through these, so warnings, sanitizers and the "no Qt in core" rule apply everywhere.

set(RVX_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)

# GCC 12's flow-based warnings misfire on inlined standard containers at -O2/-O3 (std::vector and
# std::string internals). They stay fatal in Debug builds, where they are reliable, and are only
# reported in optimised builds.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    foreach(flaky restrict stringop-overflow array-bounds null-dereference)
        list(APPEND RVX_WARNINGS $<$<NOT:$<CONFIG:Debug>>:-Wno-error=${flaky}>)
    endforeach()
endif()

if(RVX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

function(rvx_apply_common_settings target)
    target_compile_options(${target} PRIVATE ${RVX_WARNINGS})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Core libraries are GUI-free: linking any Qt target is a configuration error.
function(rvx_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    foreach(dep IN LISTS ARG_DEPENDS)
        if(dep MATCHES "^Qt")
            message(FATAL_ERROR "core library ${name} must not depend on ${dep}")
        endif()
    endforeach()
    add_library(${name} STATIC ${ARG_SOURCES})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# Qt libraries and programs: automoc/autouic/autorcc on, Qt's keyword-free signals.
function(rvx_enable_qt target)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
endfunction()

function(rvx_qt_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    rvx_enable_qt(${name})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# A program without windows (command-line tools, the simulator).
function(rvx_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
endfunction()

function(rvx_qt_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    rvx_enable_qt(${name})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
endfunction()

# A GoogleTest suite; each test case becomes one CTest test.
function(rvx_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} rvx_test_support GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE RVX_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# A QtTest suite run on the offscreen platform.
function(rvx_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    rvx_enable_qt(${name})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} Qt6::Test)
    target_compile_definitions(${name} PRIVATE RVX_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

function(rvx_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} benchmark::benchmark_main)
endfunction()

# With clang a libFuzzer target; with other compilers a replay driver that runs the files it is given.
function(rvx_fuzz_target name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        add_executable(${name} ${ARG_SOURCES})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    endif()
    rvx_apply_common_settings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
endfunction()

# Adds each listed subfolder that has a CMakeLists.txt, so areas can be filled in one at a time.
function(rvx_add_present_subdirs)
    foreach(sub IN LISTS ARGN)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt)
            add_subdirectory(${sub})
        endif()
    endforeach()
endfunction()
