# The browser edition's build: every layer below qt/ compiled to WebAssembly by emscripten,
# its tests run under node. Configure with
#   emcmake cmake -S . -B build-web -G Ninja -DRAINBOW_WITH_QT=OFF -DRAINBOW_WEB=ON
# No host library is looked up here: a find_package of one would put /usr/include, and with
# it the host's C library headers, on the WebAssembly compiler's path.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "RAINBOW_WEB builds with emscripten: configure with emcmake cmake ...")
endif()
if(RAINBOW_WITH_QT)
  message(FATAL_ERROR "RAINBOW_WEB builds without Qt: add -DRAINBOW_WITH_QT=OFF")
endif()

# Exceptions, as WebAssembly exceptions, everywhere (GoogleTest included), and no threads:
# with threads, caught exceptions are lost.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)

# emcc's optimiser runs under node and finds its parser (acorn) among Debian's node modules.
set(web_node_path /usr/share/nodejs)
if(DEFINED ENV{NODE_PATH})
  set(web_node_path "$ENV{NODE_PATH}:${web_node_path}")
endif()
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=${web_node_path}")

# Programs (tests, rainbow-scatter, the soak) run under node on the host's files; the loader
# of this emscripten fetch()es its .wasm under node 18 and later unless told not to.
find_program(RAINBOW_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${RAINBOW_NODE};--no-experimental-fetch")
# Their code is optimised when compiled; linking them without the WebAssembly optimiser's
# passes saves most of their build time.
target_link_options(rainbow_command_line INTERFACE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -O1)

# Header-only nlohmann-json from its own folder, never /usr/include as a whole.
set(web_includes ${CMAKE_BINARY_DIR}/web-includes)
file(MAKE_DIRECTORY ${web_includes})
file(CREATE_LINK /usr/include/nlohmann ${web_includes}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${web_includes})

# GoogleTest from Debian's sources, built for WebAssembly (it names its targets GTest::...).
if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# find_package of these finds what is made above.
set(CMAKE_FIND_PACKAGE_REDIRECTS_DIR ${CMAKE_BINARY_DIR}/web-packages)
foreach(package nlohmann_json GTest)
  string(TOLOWER ${package} lower)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${lower}-config.cmake
       "# ${package}: made by cmake/web.cmake\n")
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${lower}-config-version.cmake
       "set(PACKAGE_VERSION_COMPATIBLE TRUE)\nset(PACKAGE_VERSION_EXACT FALSE)\n")
endforeach()
