# The browser build: the core's text platform from generated tables and the browser's
# Intl, the page's module, and the node programs that check it against the native build.
set(PENNATRAN_TEXT_TABLES_TOOL "" CACHE FILEPATH
    "The native build's gen_text_tables, which writes the code page 932 and full-width tables")
if(NOT PENNATRAN_TEXT_TABLES_TOOL)
  message(FATAL_ERROR "PENNATRAN_TEXT_TABLES_TOOL must name the native gen_text_tables")
endif()
set(text_tables ${CMAKE_BINARY_DIR}/generated/text_tables.cpp)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
add_custom_command(OUTPUT ${text_tables}
                   COMMAND ${PENNATRAN_TEXT_TABLES_TOOL} ${text_tables}
                   DEPENDS ${PENNATRAN_TEXT_TABLES_TOOL}
                   COMMENT "Writing the text tables from the native ICU")
file(GLOB web_platform_srcs CONFIGURE_DEPENDS web/platform/*.cpp)
target_sources(pennatran_jww PRIVATE ${web_platform_srcs} ${text_tables})
target_include_directories(pennatran_jww PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/web/platform)

# The page's module: one JavaScript file with the WebAssembly inside, so that the page also
# works opened from a file:// path, where browsers fetch nothing.
file(GLOB web_srcs CONFIGURE_DEPENDS web/src/*.cpp)
add_executable(pennatran_web ${web_srcs})
set_target_properties(pennatran_web PROPERTIES OUTPUT_NAME pennatran SUFFIX .js)
target_compile_definitions(pennatran_web PRIVATE PENNATRAN_VERSION="${PROJECT_VERSION}")
target_link_libraries(pennatran_web PRIVATE pennatran_core pennatran_synthetic pennatran_warnings)
target_link_options(pennatran_web PRIVATE --bind -sSINGLE_FILE=1 -sMODULARIZE=1
                    -sEXPORT_NAME=createPennatran -sALLOW_MEMORY_GROWTH=1)

# Programs run under node by make test-web and make bench.
function(pennatran_node_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE pennatran_core pennatran_synthetic pennatran_warnings)
  # Node 20 cannot fetch a .wasm by path, so the module is inside the script here too.
  target_link_options(${name} PRIVATE -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1
                      -sNODERAWFS=1 -sEXIT_RUNTIME=1)
endfunction()

pennatran_node_program(text_identity web/tests/text_identity_main.cpp)
pennatran_node_program(load_identity web/tests/load_identity_main.cpp)
pennatran_node_program(load_from_memory_bench web/bench/load_from_memory_main.cpp)
target_include_directories(load_from_memory_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/bench)

# The page's worker. A page opened from a file:// path may start a worker only from a Blob
# URL, and such a worker can load nothing by URL: its whole source comes with the page.
set(worker_bundle ${CMAKE_BINARY_DIR}/pennatran-worker.js)
add_custom_command(
  OUTPUT ${worker_bundle}
  COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:pennatran_web>
          -DWORKER=${CMAKE_CURRENT_SOURCE_DIR}/web/worker/engine_worker.js -DOUT=${worker_bundle}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/web/worker/bundle.cmake
  DEPENDS pennatran_web ${CMAKE_CURRENT_SOURCE_DIR}/web/worker/engine_worker.js
          ${CMAKE_CURRENT_SOURCE_DIR}/web/worker/bundle.cmake
  COMMENT "Writing the page's worker script")
add_custom_target(pennatran_worker ALL DEPENDS ${worker_bundle})
