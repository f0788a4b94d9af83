# The layers of app/: one static library per folder, each seeing only its own headers and those
# of the libraries below it, so that an include that points up fails to compile.
#
# Each folder is mirrored in the build tree as layers/<folder>/<folder>/: real directories
# holding one symbolic link per file of app/<folder>. A library's include directories are the
# roots layers/<folder> of itself and of the libraries it links, so "ledger/Account.h"
# resolves and "scheduled/ScheduledItem.h" does not from the ledger. The sources are compiled
# from the mirror too: a quoted include is first looked up beside the including file, and
# beside a mirrored file "../scheduled/..." names layers/<folder>/scheduled, which does not
# exist (with one link per directory instead, the system would resolve ".." in app/).
#
# Compiler messages name the mirrored paths; __FILE__ and the debug information name the files
# in app/ (see the prefix maps below).

set(PENNORA_LAYERS_DIR ${PROJECT_BINARY_DIR}/layers)
set(PENNORA_LAYER_FOLDERS base store ledger import scheduled budgets reports session cli ui)

foreach(folder IN LISTS PENNORA_LAYER_FOLDERS)
    add_compile_options(
        -ffile-prefix-map=${PENNORA_LAYERS_DIR}/${folder}/=${PROJECT_SOURCE_DIR}/app/)
endforeach()

# Mirrors app/<folder> as layers/<folder>/<folder>: links the files the mirror lacks and removes
# the links of files gone from app/. A new file is picked up at the next build (the list is
# checked then).
function(pennora_layer_tree folder)
    set(source ${PROJECT_SOURCE_DIR}/app/${folder})
    set(mirror ${PENNORA_LAYERS_DIR}/${folder}/${folder})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h ${source}/*.cpp)
    file(GLOB_RECURSE mirrored RELATIVE ${mirror} ${mirror}/*)
    foreach(file IN LISTS mirrored)
        if(IS_SYMLINK ${mirror}/${file} AND NOT file IN_LIST files)
            file(REMOVE ${mirror}/${file})
        endif()
    endforeach()
    foreach(file IN LISTS files)
        if(NOT IS_SYMLINK ${mirror}/${file})
            get_filename_component(directory ${mirror}/${file} DIRECTORY)
            file(MAKE_DIRECTORY ${directory})
            file(CREATE_LINK ${source}/${file} ${mirror}/${file} SYMBOLIC)
        endif()
    endforeach()
endfunction()

# pennora_add_layer(<folder> <source>...): the static library pennora_<folder> of the given
# sources of app/<folder> (paths relative to it), compiled from the mirror, whose include root
# its dependents see. The caller links the libraries below it (PUBLIC) and the external
# libraries it uses.
function(pennora_add_layer folder)
    pennora_layer_tree(${folder})
    list(TRANSFORM ARGN PREPEND ${PENNORA_LAYERS_DIR}/${folder}/${folder}/ OUTPUT_VARIABLE sources)
    add_library(pennora_${folder} STATIC ${sources})
    target_include_directories(pennora_${folder} PUBLIC ${PENNORA_LAYERS_DIR}/${folder})
    target_link_libraries(pennora_${folder} PRIVATE pennora_warnings)
endfunction()
