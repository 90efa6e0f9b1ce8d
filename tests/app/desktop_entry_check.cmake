# Installs the program into a prefix of its own below the build folder and checks the desktop
# entry installed there with desktop-file-validate. Run by CTest as
#   cmake -DBUILD_DIR=<build folder> -DPREFIX=<prefix> -P desktop_entry_check.cmake
find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message("skipped: desktop-file-validate is not installed (Debian package desktop-file-utils)")
  return()
endif()
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed})")
endif()
set(entry "${PREFIX}/share/applications/skelvan-scenario-editor.desktop")
if(NOT EXISTS "${entry}")
  message(FATAL_ERROR "no desktop entry installed at ${entry}")
endif()
execute_process(COMMAND "${VALIDATE}" "${entry}" RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
# Hints and warnings count too: the entry is to pass without a remark.
if(NOT valid EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate on ${entry}:\n${said}")
endif()
message("the desktop entry passes desktop-file-validate")
