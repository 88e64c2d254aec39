# Every Windows program and test program speaks UTF-8 to the system: its manifest makes UTF-8 the process's
# code page, so the narrow functions the sources use (fopen, _open, getenv, the command line) take and give
# UTF-8, as on Linux. Without it a plan named "Straße-東京.dat" could not be opened where the ANSI code page
# (Windows-1252 and the like) has no such letters. The manifest is compiled once, at configure time, and
# linked into each .exe.
if(NOT WIN32)
    return()
endif()
set(kv310_manifest ${PROJECT_SOURCE_DIR}/cmake/utf8.manifest)
set(kv310_manifest_rc ${CMAKE_BINARY_DIR}/generated/utf8-manifest.rc)
set(kv310_manifest_obj ${CMAKE_BINARY_DIR}/generated/utf8-manifest.o)
file(CONFIGURE OUTPUT ${kv310_manifest_rc} CONTENT "1 24 \"${kv310_manifest}\"\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${kv310_manifest})
execute_process(COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${kv310_manifest_rc} -o ${kv310_manifest_obj}
                RESULT_VARIABLE kv310_windres_result ERROR_VARIABLE kv310_windres_error)
if(NOT kv310_windres_result EQUAL 0)
    message(FATAL_ERROR "windres could not compile the UTF-8 manifest: ${kv310_windres_error}")
endif()
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${kv310_manifest_obj}")
