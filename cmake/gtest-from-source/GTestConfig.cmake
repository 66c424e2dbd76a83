# GoogleTest for cross builds (i386, win64): the host's prebuilt GoogleTest is for the host's
# architecture, so build it from the distribution's sources (Debian's googletest package,
# /usr/src/googletest) with the target compiler. The i386 and win64 presets point GTest_DIR here;
# find_package(GTest) then yields the usual GTest::gtest / GTest::gtest_main / GTest::gmock targets.
if(TARGET GTest::gtest)
  set(GTest_FOUND TRUE)
  return()
endif()

set(TARMELON_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources built for cross targets")
if(NOT EXISTS "${TARMELON_GTEST_SOURCE_DIR}/CMakeLists.txt")
  set(GTest_FOUND FALSE)
  set(GTest_NOT_FOUND_MESSAGE
    "GoogleTest sources not found in ${TARMELON_GTEST_SOURCE_DIR} (apt-get install googletest)")
  return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
add_subdirectory("${TARMELON_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_googletest" EXCLUDE_FROM_ALL)

foreach(gtest_lib IN ITEMS gtest gtest_main gmock gmock_main)
  if(TARGET ${gtest_lib} AND NOT TARGET GTest::${gtest_lib})
    add_library(GTest::${gtest_lib} ALIAS ${gtest_lib})
  endif()
endforeach()
# The old-style names some projects still use.
if(NOT TARGET GTest::GTest)
  add_library(GTest::GTest ALIAS gtest)
  add_library(GTest::Main ALIAS gtest_main)
endif()
set(GTest_FOUND TRUE)
