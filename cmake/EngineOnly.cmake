# The engine-only build (TESSALINE_ENGINE_ONLY): the Qt-free modules and
# their tests, nothing that needs Qt, libjpeg or CUPS. The windows, the
# translations, the tools' data and installing need the full build.
if(TESSALINE_TESTS)
    enable_testing()
    include(${PROJECT_SOURCE_DIR}/cmake/TessalineTest.cmake)
    add_subdirectory(tests)
endif()
