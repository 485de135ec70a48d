# The layers in the build: each program folder is a library that sees only its own folder and the
# folders of the libraries it links, so the compiler refuses an include against the order.
#
# No target gets the source root as an include folder.  Instead each folder <f> is reached through
# ${DUEL_LAYERS_DIR}/<f>/<f>, a symbolic link to the source folder made at configure time, and the
# library of <f> gives ${DUEL_LAYERS_DIR}/<f> to those that link it: a duel/ file that writes
# #include "windows/host_window.h" fails to compile, because duel_steps does not link duel_windows.
# The forms the compiler cannot tell ("../windows/host_window.h" resolved beside the file) are
# caught by tests/layering/includes_one_way.sh, which the target duel_layer_check runs before any
# library compiles.
#
# Both the game's project and the fuzz project include this file; DUEL_ROOT is the source root.

set(DUEL_LAYERS_DIR ${CMAKE_BINARY_DIR}/layers)

# duel_expose_folder(<target> <PUBLIC|INTERFACE|PRIVATE> <folder>): <target> and, unless PRIVATE,
# whoever links it include the files of <folder> (a path under the source root, such as rules or
# tests/support) as "<folder>/name.h".
function(duel_expose_folder target scope folder)
    string(REPLACE "/" "_" layer ${folder})
    get_filename_component(parent ${DUEL_LAYERS_DIR}/${layer}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${DUEL_ROOT}/${folder} ${DUEL_LAYERS_DIR}/${layer}/${folder} SYMBOLIC)
    target_include_directories(${target} ${scope} ${DUEL_LAYERS_DIR}/${layer})
endfunction()

# duel_layer(<target> <folder>): <target> is the library of the program folder <folder>; it exposes
# that folder and compiles only after the include check has passed.
function(duel_layer target folder)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        duel_expose_folder(${target} INTERFACE ${folder})
    else()
        duel_expose_folder(${target} PUBLIC ${folder})
    endif()
    if(TARGET duel_layer_check)
        add_dependencies(${target} duel_layer_check)
    endif()
endfunction()

# Run at every build (a few hundredths of a second), so that a new file git does not yet track is
# checked too.
find_program(DUEL_BASH bash REQUIRED)
add_custom_target(duel_layer_check
                  COMMAND ${DUEL_BASH} ${DUEL_ROOT}/tests/layering/includes_one_way.sh ${DUEL_ROOT}
                  COMMENT "Checking that the includes follow the layers"
                  VERBATIM)
