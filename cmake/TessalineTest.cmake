include(GoogleTest)

if(TESSALINE_GTEST_SOURCE_DIR)
    # Built with the program's own compiler; not installed with it.
    set(INSTALL_GTEST OFF)
    add_subdirectory(${TESSALINE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

# The tests compare Chinese texts and outputs: whatever the machine's locale,
# they run in a neutral one (the interface language follows LC_ALL,
# LC_MESSAGES and LANG); tests of the English interface ask for it.
set(TESSALINE_TEST_LOCALE "LANG=C.UTF-8;LC_ALL=;LC_MESSAGES=")

# tessaline_add_test(NAME SOURCES files... LIBS targets... [QT])
# One test executable per call. QT tests get a main that starts a headless
# QApplication; discovery runs at test time so the build never needs a display.
function(tessaline_add_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} tessaline_test_qt_main GTest::gtest GTest::gmock)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    if(CMAKE_CROSSCOMPILING)
        # One CTest test per executable: the emulator (Wine) starts once
        # for all of its cases instead of once per case.
        add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "TESSALINE_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;${TESSALINE_TEST_LOCALE}")
        return()
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TESSALINE_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;${TESSALINE_TEST_LOCALE}")
endfunction()

# Tests that start their own CUPS server (tests/support/print-server.sh).
function(tessaline_use_print_server name)
    find_package(Cups REQUIRED)
    target_link_libraries(${name} PRIVATE Cups::Cups)
    target_compile_definitions(${name} PRIVATE
        TESSALINE_TEST_SUPPORT_DIR="${PROJECT_SOURCE_DIR}/tests/support")
endfunction()
