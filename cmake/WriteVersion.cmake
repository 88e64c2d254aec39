# cmake -DSOURCE_DIR=... -DVERSION=1.0.0 -DOUTPUT=.../Version.cpp -P WriteVersion.cmake
set(text "${VERSION}")
find_package(Git QUIET)
if(GIT_FOUND)
    # only a checkout of these sources counts, not some other repository the sources were unpacked into
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} rev-parse --show-toplevel --short=12 HEAD
                    OUTPUT_VARIABLE lines RESULT_VARIABLE status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(status EQUAL 0)
        string(REPLACE "\n" ";" lines "${lines}")
        list(GET lines 0 top)
        list(GET lines 1 commit)
        file(REAL_PATH "${top}" top)
        file(REAL_PATH "${SOURCE_DIR}" source)
        if(top STREQUAL source AND commit MATCHES "^[0-9a-f]+$")
            string(APPEND text " (git ${commit})")
        endif()
    endif()
endif()
file(WRITE ${OUTPUT}.new "// Written by cmake/WriteVersion.cmake at build time.\n#include \"Version.h\"\n\n"
     "const char* ProgramVersion() { return \"${text}\"; }\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
