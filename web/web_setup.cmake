# The browser build's compiler settings, set before the core's targets.
# A damaged drawing is reported by exceptions that the reader catches; Emscripten only
# catches them when asked to, at compiling and at linking.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# -Os saves a twentieth of the size and makes loading several times slower; -O3 adds a
# twenty-fifth for a tenth faster loading.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

# The browser build takes two header-only libraries from the build machine. Its compiler
# sees them through a folder that holds only them: the machine's own include folder would
# bring the machine's C library headers in place of Emscripten's.
set(PENNATRAN_HOST_INCLUDE /usr/include CACHE PATH "Where the fmt and nlohmann headers are")
set(host_headers ${CMAKE_BINARY_DIR}/include)
file(MAKE_DIRECTORY ${host_headers})
foreach(library fmt nlohmann)
  file(CREATE_LINK ${PENNATRAN_HOST_INCLUDE}/${library} ${host_headers}/${library} SYMBOLIC)
endforeach()

add_library(fmt::fmt-header-only INTERFACE IMPORTED)
target_include_directories(fmt::fmt-header-only INTERFACE ${host_headers})
target_compile_definitions(fmt::fmt-header-only INTERFACE FMT_HEADER_ONLY)

add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${host_headers})
