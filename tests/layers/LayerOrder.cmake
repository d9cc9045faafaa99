# Fails when a file under SOURCE_DIR includes a header of a folder above its own, so that the
# layers keep running one way. Run as: cmake -DSOURCE_DIR=<src> -P LayerOrder.cmake
#
# The layers, lowest first. A folder may include its own headers and those of the folders
# before it; main.cpp, at the top, may include them all. The README says why in this order.
set(Layers media system store presentation host game screens)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
if(NOT files)
    message(FATAL_ERROR "No sources under '${SOURCE_DIR}'")
endif()
set(faults "")
foreach(file IN LISTS files)
    if(NOT file MATCHES "^([^/]+)/")
        continue()  # main.cpp stands on every layer
    endif()
    set(folder "${CMAKE_MATCH_1}")
    list(FIND Layers "${folder}" own)
    if(own EQUAL -1)
        string(APPEND faults "\n  ${file}: the folder '${folder}' has no place among the layers")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        if(NOT line MATCHES "\"([^/\"]+)/[^\"]*\"")
            continue()  # a header beside the file
        endif()
        set(target "${CMAKE_MATCH_1}")
        list(FIND Layers "${target}" other)
        if(other GREATER own)
            string(STRIP "${line}" line)
            string(APPEND faults "\n  ${file} (${folder}) reaches up into ${target}: ${line}")
        endif()
    endforeach()
endforeach()

list(LENGTH files count)
if(faults)
    message(FATAL_ERROR "Includes against the layer order (${Layers}):${faults}")
endif()
message(STATUS "${count} files include only their own layer and the ones below it")
