# GoogleTest cross-built from Debian's sources and linked statically into the
# Windows test executables.
set(BRIMLET_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian: googletest)")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${BRIMLET_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
