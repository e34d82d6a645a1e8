# The release: the manual beside the built program (Help opens it from there),
# the zip and the installer. The version is the program's version record's.
file(STRINGS ${ROOT}/resources/Version.rc2 version_lines REGEX "^#define STOWPANE_VERSION_(MAJOR|MINOR|PATCH) ")
foreach(line IN LISTS version_lines)
  string(REGEX MATCH "STOWPANE_VERSION_([A-Z]+) +([0-9]+)" unused "${line}")
  set(VERSION_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
endforeach()
if(NOT DEFINED VERSION_MAJOR OR NOT DEFINED VERSION_MINOR OR NOT DEFINED VERSION_PATCH)
  message(FATAL_ERROR "resources/Version.rc2 does not define the three version numbers")
endif()
set(STOWPANE_VERSION ${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH})
# A change of the record reconfigures, so the names follow it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ROOT}/resources/Version.rc2)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(MAKENSIS makensis REQUIRED)
set(STAGE_SCRIPT ${ROOT}/tools/release/stage.py)
file(GLOB MANUAL_SOURCES CONFIGURE_DEPENDS ${ROOT}/docs/manual.html ${ROOT}/docs/*.png)

add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/manual/manual.html
  COMMAND ${Python3_EXECUTABLE} ${STAGE_SCRIPT} manual ${ROOT}/docs ${CMAKE_BINARY_DIR}/manual
  DEPENDS ${MANUAL_SOURCES} ${STAGE_SCRIPT}
  COMMENT "Putting the manual beside the program")
add_custom_target(manual ALL DEPENDS ${CMAKE_BINARY_DIR}/manual/manual.html)

set(DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(RELEASE_NAME Stowpane-${STOWPANE_VERSION})
set(RELEASE_ZIP ${DIST_DIR}/${RELEASE_NAME}.zip)
set(RELEASE_SETUP ${DIST_DIR}/${RELEASE_NAME}-setup.exe)
set(NSIS_SCRIPT ${ROOT}/tools/release/Stowpane.nsi)

add_custom_command(OUTPUT ${RELEASE_ZIP}
  COMMAND ${Python3_EXECUTABLE} ${STAGE_SCRIPT} release $<TARGET_FILE:Stowpane> ${ROOT} ${DIST_DIR}
          ${STOWPANE_VERSION}
  DEPENDS Stowpane ${MANUAL_SOURCES} ${STAGE_SCRIPT} ${ROOT}/docs/readme.txt ${ROOT}/LICENSE
  COMMENT "Staging ${RELEASE_NAME} and its zip")
add_custom_command(OUTPUT ${RELEASE_SETUP}
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${STOWPANE_VERSION} -DVERSION4=${STOWPANE_VERSION}.0
          -DSTAGE=${DIST_DIR}/${RELEASE_NAME} -DICON=${ROOT}/resources/icons/application.ico
          -DOUTFILE=${RELEASE_SETUP} ${NSIS_SCRIPT}
  DEPENDS ${RELEASE_ZIP} ${NSIS_SCRIPT} ${ROOT}/resources/icons/application.ico
  COMMENT "Making the installer ${RELEASE_NAME}-setup.exe")
add_custom_target(release ALL DEPENDS ${RELEASE_ZIP} ${RELEASE_SETUP})

add_test(NAME release_zip_holds_the_program_texts_and_manual
  COMMAND ${Python3_EXECUTABLE} ${ROOT}/tests/release/check_zip.py ${RELEASE_ZIP} $<TARGET_FILE:Stowpane> ${ROOT}/docs)
add_test(NAME manual_has_a_section_for_every_window_with_help
  COMMAND ${Python3_EXECUTABLE} ${ROOT}/tests/release/check_manual_sections.py ${ROOT})
