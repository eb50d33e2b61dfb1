# Stops the build when a source of a library includes a header of a folder its layer may not
# reach. Called with LIST (a file naming the sources, one a line), FOLDERS (the folders not to be
# reached, comma separated) and STAMP (touched when every source passes).
string(REPLACE "," "|" folders "${FOLDERS}")
file(STRINGS "${LIST}" sources)
set(found "")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        if(line MATCHES "include[ \t]*[\"<](${folders})/")
            string(APPEND found "\n  ${source}: ${line}")
        endif()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "These includes reach a layer above their own:${found}")
endif()
file(TOUCH "${STAMP}")
