# veltaro_headers(TARGET SCOPE FOLDER HEADERS ...)
#
# Makes exactly the named headers of FOLDER includable as "FOLDER/header.h" by
# TARGET and, with SCOPE PUBLIC or INTERFACE, by whatever links it. Each target
# gets an include root of its own in the build tree holding links to its
# headers, so a target sees only the headers of what it links: a lower layer
# that includes a higher one fails to compile.
function(veltaro_headers target scope folder)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${ARGN})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder}/${header} ${root}/${folder}/${header}
            SYMBOLIC COPY_ON_ERROR)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
