# Checks src/resources/bitmaps.cmake against a small hand-made panel table and art folder:
#   cmake -DSOURCE_DIR=<repo> -DWORK_DIR=<scratch folder> -P bitmaps_test.cmake
include(${SOURCE_DIR}/src/resources/bitmaps.cmake)

set(failures)
macro(expect_equal actual expected description)
  if(NOT "${actual}" STREQUAL "${expected}")
    list(APPEND failures "${description}: found '${actual}', expected '${expected}'")
  endif()
endmacro()
macro(expect_found haystack needle description)
  string(FIND "${haystack}" "${needle}" at)
  if(at EQUAL -1)
    list(APPEND failures "${description}")
  endif()
endmacro()
macro(expect_absent haystack needle description)
  string(FIND "${haystack}" "${needle}" at)
  if(NOT at EQUAL -1)
    list(APPEND failures "${description}")
  endif()
endmacro()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/art" "${WORK_DIR}/panels")

# A table in the panels' own style: a background, a 3-frame icon, a needle and a slider,
# a string (no bitmap), a row quoted in a comment (ignored), and rows spread over lines.
file(WRITE "${WORK_DIR}/panels/test_panel.cpp" [=[
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(384, 0, 0);
    sdk::ELEMENT_ICON selector = icon(21760, 155, 681, 3, bank_selector_frame, ICON_FLAGS);
    sdk::ELEMENT_NEEDLE volts = needle(500, 10, 10, 2, 2, volts_table, 4, volts_cb);
    sdk::ELEMENT_SLIDER trim = slider(
        600, 5, 5, 1.0, nullptr, 2.0, trim_cb);
    sdk::ELEMENT_STRING label = text(1, 2, 30, 10, GREEN, 8, label_cb);
    // icon(99999, 0, 0, 5, old_row) was the previous switch
    sdk::ELEMENT_ICON lamp = icon(700, 1, 1, 1, lamp_cb);
} elements;
]=])
file(WRITE "${WORK_DIR}/panels/second_panel.cpp" [=[
    sdk::ELEMENT_STATIC_IMAGE background = static_image(384, 0, 0);
    sdk::ELEMENT_ICON blink = icon(21762, 0, 0, 2, blink_cb);
]=])
set(panels "${WORK_DIR}/panels/test_panel.cpp" "${WORK_DIR}/panels/second_panel.cpp")

tarmelon_referenced_bitmaps(numbers ${panels})
set(expected 384 500 600 700 21760 21761 21762 21763)
expect_equal("${numbers}" "${expected}"
  "referenced bitmaps (icon frames expanded, shared ones once, comments ignored)")

# Art folder with some of them (one with an upper-case extension) and an unrelated file.
foreach(present IN ITEMS 384 600 21760 21761 21763 12345)
  file(WRITE "${WORK_DIR}/art/${present}.bmp" "BM")
endforeach()
file(WRITE "${WORK_DIR}/art/700.BMP" "BM")
file(WRITE "${WORK_DIR}/art/notes.txt" "not a bitmap")

set(rc "${WORK_DIR}/Tarmelon.rc")
tarmelon_write_resource_script("${rc}" "${WORK_DIR}/SimConnect.manifest" "${WORK_DIR}/art" ${panels})
expect_equal("${TARMELON_MISSING_BITMAPS}" "500;21762" "bitmaps the art folder lacks")
file(READ "${rc}" script)
foreach(line IN ITEMS
    "384 BITMAP \"${WORK_DIR}/art/384.bmp\""
    "700 BITMAP \"${WORK_DIR}/art/700.BMP\""
    "21763 BITMAP \"${WORK_DIR}/art/21763.bmp\""
    "TARMELON_SIMCONNECT_MANIFEST_ID TARMELON_RT_MANIFEST \"${WORK_DIR}/SimConnect.manifest\"")
  expect_found("${script}" "${line}" "resource script lacks: ${line}")
endforeach()
foreach(absent IN ITEMS "500 BITMAP" "12345 BITMAP" "99999" "notes")
  expect_absent("${script}" "${absent}" "resource script must not contain: ${absent}")
endforeach()
file(READ "${rc}.missing.txt" missing_file)
expect_equal("${missing_file}" "500\n21762\n" "the missing-bitmap list file")

# No art folder: manifest only, nothing missing.
tarmelon_write_resource_script("${rc}" "${WORK_DIR}/SimConnect.manifest" "" ${panels})
file(READ "${rc}" script)
expect_absent("${script}" "BITMAP" "without an art folder the script must hold no bitmaps")
expect_found("${script}" "TARMELON_SIMCONNECT_MANIFEST_ID" "without an art folder the manifest stays")
expect_equal("${TARMELON_MISSING_BITMAPS}" "" "without an art folder nothing is reported missing")

# A folder name that is not a folder stops the configuration with a clear message.
file(WRITE "${WORK_DIR}/not-a-folder" "")
file(WRITE "${WORK_DIR}/bad_art.cmake"
  "include(${SOURCE_DIR}/src/resources/bitmaps.cmake)\n"
  "tarmelon_write_resource_script(\"${WORK_DIR}/bad.rc\" m \"${WORK_DIR}/not-a-folder\" ${WORK_DIR}/panels/test_panel.cpp)\n")
execute_process(COMMAND ${CMAKE_COMMAND} -P "${WORK_DIR}/bad_art.cmake"
                RESULT_VARIABLE status ERROR_VARIABLE why OUTPUT_QUIET)
if(status EQUAL 0)
  list(APPEND failures "an art folder that is a file must fail the configuration")
endif()
expect_found("${why}" "TARMELON_ART_DIR is not a folder" "the failure must name the art folder option, got: ${why}")

if(failures)
  string(REPLACE ";" "\n  " text "${failures}")
  message(FATAL_ERROR "bitmap resources:\n  ${text}")
endif()
message(STATUS "bitmap resources: all checks held")
