# Fails when a file under SOURCE_DIR includes a header of a folder above its own, when a
# folder's targets link a target of a folder above it, or when anything outside the media
# folder includes SDL or OpenAL, so that the layers keep running one way.
# Run as: cmake -DSOURCE_DIR=<src> -P LayerOrder.cmake
#
# The layers, lowest first. A folder may include and link its own headers and targets and
# those of the folders before it; main.cpp, at the top, may use them all. The README says why
# in this order.
set(Layers media system store presentation host game screens)
list(LENGTH Layers Top)  # the place of main.cpp and src/CMakeLists.txt
# Only the media folder talks to the system's sound and windows, so that nothing above it
# depends on which libraries do that.
set(MediaOnly "^(SDL2?/|SDL(_[A-Za-z0-9_]*)?\\.h$|AL/|OpenAL/|(al|alc|alext|efx)\\.h$)")

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
if(NOT files)
    message(FATAL_ERROR "No sources under '${SOURCE_DIR}'")
endif()
set(faults "")

# Sets `place` to the layer of a path relative to SOURCE_DIR: its index in Layers, Top for a
# file beside the layer folders, -1 for a folder that is not a layer.
function(layer_of path)
    set(place ${Top})
    if(path MATCHES "^([^/]+)/")
        list(FIND Layers "${CMAKE_MATCH_1}" place)
    endif()
    set(place ${place} PARENT_SCOPE)
endfunction()

function(layer_name place)
    set(name main)
    if(place LESS Top)
        list(GET Layers ${place} name)
    endif()
    set(name ${name} PARENT_SCOPE)
endfunction()

# Includes, in quotes or angle brackets. A header is the project's own when its path starts
# with a layer folder ("host/TGame.h", <screens/TTitleScreen.h>); <vector> and <SDL.h> are not.
foreach(file IN LISTS files)
    layer_of("${file}")
    set(own ${place})
    layer_name(${own})
    set(folder ${name})
    if(own EQUAL -1)
        string(APPEND faults "\n  ${file}: its folder has no place among the layers")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(STRIP "${line}" line)
        if(NOT line MATCHES "include[ \t]*[<\"]([^>\"]+)[>\"]")
            continue()
        endif()
        set(header "${CMAKE_MATCH_1}")
        if(header MATCHES "${MediaOnly}" AND NOT folder STREQUAL "media")
            string(APPEND faults "\n  ${file} (${folder}) includes SDL or OpenAL: ${line}")
        endif()
        if(NOT header MATCHES "^([^/]+)/")
            continue()  # a header beside the file, or the system's
        endif()
        list(FIND Layers "${CMAKE_MATCH_1}" other)
        if(other GREATER own)
            string(APPEND faults
                   "\n  ${file} (${folder}) reaches up into ${CMAKE_MATCH_1}: ${line}")
        endif()
    endforeach()
endforeach()

# Link lines. Each folder's CMakeLists.txt speaks for the targets it makes; they may link the
# targets of their own folder and the ones below it, and libraries from outside the project.
file(GLOB_RECURSE lists RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/CMakeLists.txt")
set(bodies "")
foreach(list_file IN LISTS lists)
    file(READ "${SOURCE_DIR}/${list_file}" body)
    string(REGEX REPLACE "#[^\n]*" "" body "${body}")
    string(MAKE_C_IDENTIFIER "${list_file}" key)
    set("body_${key}" "${body}")
    string(REGEX MATCHALL "add_(library|executable)[ \t\r\n]*\\([ \t\r\n]*[A-Za-z0-9_]+" made
           "${body}")
    layer_of("${list_file}")
    foreach(target IN LISTS made)
        string(REGEX REPLACE ".*[( \t\r\n]" "" target "${target}")
        set("place_of_${target}" ${place})
    endforeach()
endforeach()
set(links 0)
foreach(list_file IN LISTS lists)
    layer_of("${list_file}")
    set(own ${place})
    layer_name(${own})
    set(folder ${name})
    string(MAKE_C_IDENTIFIER "${list_file}" key)
    string(REGEX MATCHALL "target_link_libraries[ \t\r\n]*\\([^)]*\\)" calls "${body_${key}}")
    foreach(call IN LISTS calls)
        math(EXPR links "${links} + 1")
        string(REGEX REPLACE "^target_link_libraries[ \t\r\n]*\\(" "" call "${call}")
        string(REGEX MATCHALL "[^ \t\r\n)]+" words "${call}")
        list(POP_FRONT words target)
        if(NOT DEFINED "place_of_${target}" OR NOT place_of_${target} EQUAL own)
            string(APPEND faults "\n  ${list_file} (${folder}) links ${target}, not its own")
        endif()
        # Anything else named is a keyword or a library from outside the project.
        string(REGEX MATCHALL "quillox_[A-Za-z0-9_]+" linked "${words}")
        foreach(word IN LISTS linked)
            if(NOT DEFINED "place_of_${word}")
                string(APPEND faults "\n  ${list_file} (${folder}): ${target} links ${word}, "
                                     "which no folder makes")
            elseif(place_of_${word} GREATER own)
                layer_name(${place_of_${word}})
                string(APPEND faults "\n  ${list_file} (${folder}): ${target} links up into "
                                     "${name}: ${word}")
            endif()
        endforeach()
    endforeach()
endforeach()

list(LENGTH files count)
if(faults)
    message(FATAL_ERROR "Against the layer order (${Layers}):${faults}")
endif()
message(STATUS "${count} files include and ${links} link lines link only their own layer and "
               "the ones below it")
