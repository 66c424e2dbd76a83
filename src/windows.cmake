# Windows-only parts of the module build, included from src/CMakeLists.txt.
#
# Tarmelon.dll exports exactly Linkage and ImportTable (Tarmelon.def: no decorated names),
# carries its C and C++ runtimes inside (the toolchain files link them statically), and
# imports only Windows system libraries. SimConnect is loaded at start, not imported.

enable_language(RC)

set(TARMELON_ART_DIR "" CACHE PATH "Folder of <number>.bmp files compiled into Tarmelon.dll as its bitmaps")
set(TARMELON_SIMCONNECT_SDK "" CACHE PATH
    "Folder of the simulator's own SimConnect SDK (inc/SimConnect.h, lib/SimConnect.lib): link against it instead of loading SimConnect at start")

target_sources(tarmelon PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/Tarmelon.def)
target_link_options(tarmelon PRIVATE -Wl,--no-undefined)

# Resources: the SimConnect side-by-side manifest and the bitmaps of the art folder.
include(${CMAKE_CURRENT_SOURCE_DIR}/resources/bitmaps.cmake)
file(GLOB tarmelon_panel_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/panels/*.cpp)
set(tarmelon_rc ${CMAKE_CURRENT_BINARY_DIR}/Tarmelon.rc)
tarmelon_write_resource_script(${tarmelon_rc} ${CMAKE_CURRENT_SOURCE_DIR}/resources/SimConnect.manifest
                               "${TARMELON_ART_DIR}" ${tarmelon_panel_sources})
# Look at the tables and the art folder again whenever either changes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tarmelon_panel_sources})
if(NOT TARMELON_ART_DIR STREQUAL "")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TARMELON_ART_DIR})
endif()
target_sources(tarmelon PRIVATE ${tarmelon_rc})
set_source_files_properties(${tarmelon_rc} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_SOURCE_DIR}/resources/SimConnect.manifest;${CMAKE_CURRENT_SOURCE_DIR}/resources/resource_ids.h")

# For users who have the simulator's SDK: link its SimConnect library instead of loading ours.
# This cannot be tested here; see docs/windows.md.
if(NOT TARMELON_SIMCONNECT_SDK STREQUAL "")
  find_path(TARMELON_SIMCONNECT_INCLUDE SimConnect.h PATHS ${TARMELON_SIMCONNECT_SDK}/inc NO_DEFAULT_PATH REQUIRED)
  find_library(TARMELON_SIMCONNECT_LIBRARY SimConnect PATHS ${TARMELON_SIMCONNECT_SDK}/lib NO_DEFAULT_PATH REQUIRED)
  target_include_directories(tarmelon SYSTEM PRIVATE ${TARMELON_SIMCONNECT_INCLUDE})
  target_link_libraries(tarmelon PRIVATE ${TARMELON_SIMCONNECT_LIBRARY})
  target_compile_definitions(tarmelon PRIVATE TARMELON_LINKED_SIMCONNECT)
endif()

# A module-only build (the product) has no bench and no tests folder: the export and import
# checks of tests/abi still belong to it.
if(BUILD_TESTING AND NOT TARMELON_BUILD_BENCH)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/abi ${PROJECT_BINARY_DIR}/tests/abi)
endif()
