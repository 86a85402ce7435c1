# Run at build time for one layer of src/: fails when one of its files includes a folder of src/
# that the layer does not link, so an include that runs upward breaks the build.
#   cmake -DMANIFEST=<file setting LAYER, FILES, ALLOWED, FOLDERS> -DSTAMP=<file> -P this
cmake_minimum_required(VERSION 3.25)
include(${MANIFEST})
set(faults "")
foreach(file IN LISTS FILES)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z0-9_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z0-9_]+)/.*" "\\1" folder
               "${line}")
        if(folder IN_LIST FOLDERS AND NOT folder IN_LIST ALLOWED)
            string(APPEND faults "\n  ${file}: includes ${folder}/, a layer ${LAYER} does not use")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes against the layers:${faults}")
endif()
file(TOUCH ${STAMP})
