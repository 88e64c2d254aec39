# The program's version: the project version, followed by the git commit when the sources are a git checkout.
# The commit is looked up at every build, not only when configuring, so a binary never names a commit it was not
# built from; the generated source only changes (and only it is recompiled) when the text does.
set(KV310_VERSION_CPP ${CMAKE_BINARY_DIR}/generated/Version.cpp)
add_custom_target(kv310_version_stamp
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION}
            -DOUTPUT=${KV310_VERSION_CPP} -P ${CMAKE_CURRENT_LIST_DIR}/WriteVersion.cmake
    BYPRODUCTS ${KV310_VERSION_CPP}
    VERBATIM)
add_library(kv310_version STATIC ${KV310_VERSION_CPP})
add_dependencies(kv310_version kv310_version_stamp)
target_include_directories(kv310_version PUBLIC ${PROJECT_SOURCE_DIR}/core)
