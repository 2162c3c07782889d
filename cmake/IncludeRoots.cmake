# Each module target sees only the headers the module map allows it.
#
# Sources of several modules live side by side in the subsystem folders under
# src/, and includes are written "folder/File.h". src/ itself is therefore on
# no include path. Instead each module gets its own include root under the
# build tree, holding one forwarding header per header listed in the module's
# sources, at the same "folder/File.h" path; the root is a PUBLIC include
# directory of the module, so a target sees its own headers and those of the
# modules it links, and nothing else. An include against the map is simply
# not found.
#
# Forwarding headers include the real file by its full path: they work on
# every platform without links, never go stale when a header changes, and the
# compiler reports errors at the real file.

# tessaline_include_root(<target>)
# Call after every folder has added its sources to <target>.
function(tessaline_include_root target)
    set(root "${CMAKE_BINARY_DIR}/include/${target}")
    get_target_property(target_dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)

    set(wanted)
    foreach(source IN LISTS sources)
        if(NOT source MATCHES "\\.h$")
            continue()
        endif()
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${target_dir}" NORMALIZE)
        cmake_path(RELATIVE_PATH source BASE_DIRECTORY "${TESSALINE_SOURCE_ROOT}"
                   OUTPUT_VARIABLE relative)
        if(relative MATCHES "^\\.\\./")
            message(FATAL_ERROR "${target}: header ${source} lies outside ${TESSALINE_SOURCE_ROOT}")
        endif()
        list(APPEND wanted "${relative}")
        # file(CONFIGURE) rewrites only when the text changes, so a new
        # configure run does not rebuild everything.
        file(CONFIGURE OUTPUT "${root}/${relative}" @ONLY
             CONTENT "// Made by cmake/IncludeRoots.cmake: ${target} may include this header.\n#pragma once\n#include \"${source}\"\n")
    endforeach()

    # Headers that left the module since the last configure run.
    file(GLOB_RECURSE present RELATIVE "${root}" "${root}/*")
    foreach(relative IN LISTS present)
        if(NOT relative IN_LIST wanted)
            file(REMOVE "${root}/${relative}")
        endif()
    endforeach()

    target_include_directories(${target} PUBLIC "$<BUILD_INTERFACE:${root}>")
endfunction()
