# What a cross build cannot take from the build machine's packages: GoogleTest
# is compiled from Debian's sources with the cross compiler, and the JSON
# library's headers are staged alone so that the host's /usr/include (glibc)
# never reaches the Windows compiler.

if(NORVANE_BUILD_TESTS)
    set(NORVANE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${NORVANE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Listing a test program's cases means starting it under Wine: do that when
    # the tests run, never while building.
    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

set(NORVANE_JSON_HEADERS /usr/include/nlohmann CACHE PATH "nlohmann/json headers")
set(staged ${CMAKE_BINARY_DIR}/cross-include)
file(COPY ${NORVANE_JSON_HEADERS} DESTINATION ${staged})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${staged})
# Some headers of ours include it in their interface.
include_directories(SYSTEM ${staged})
