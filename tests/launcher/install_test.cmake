# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix, puts the stub application into the installed
# bundle, and starts it through <prefix>/bin/vorlin.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -DSTUB=<stub program> -P install_test.cmake

# expect(<if() condition as one string> <message>)
function(expect condition message)
  cmake_language(EVAL CODE "
    if(NOT (${condition}))
      message(FATAL_ERROR [==[${message}]==])
    endif()")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
expect("status EQUAL 0" "cmake --install failed with ${status}")

set(contents "${PREFIX}/lib/vorlin/Vorlin.app/Contents")
foreach(file IN ITEMS
        "${contents}/Info.plist"
        "${contents}/MacOS/Vorlin-svc"
        "${contents}/Resources/translations/vorlin_en.qm"
        "${PREFIX}/share/icons/hicolor/scalable/apps/org.vorlin.Vorlin.svg")
  expect("EXISTS \"${file}\"" "not installed: ${file}")
endforeach()
expect("IS_SYMLINK \"${PREFIX}/bin/vorlin\"" "bin/vorlin is not a link")

file(STRINGS "${PREFIX}/share/applications/org.vorlin.Vorlin.desktop" exec REGEX "^Exec=")
expect("exec STREQUAL \"Exec=\\\"${PREFIX}/bin/vorlin\\\" %f\"" "wrong menu entry: ${exec}")

file(COPY_FILE "${STUB}" "${contents}/MacOS/Vorlin")
set(ENV{VORLIN_STUB_OUTPUT} "${PREFIX}/received")
execute_process(COMMAND "${PREFIX}/bin/vorlin" one "two words" RESULT_VARIABLE status)
expect("status EQUAL 42" "bin/vorlin did not start the application: ${status}")

# The stub writes each argument followed by a NUL byte.
set(expected "")
foreach(argument IN ITEMS "${contents}/MacOS/Vorlin" one "two words")
  string(HEX "${argument}" hex)
  string(APPEND expected "${hex}00")
endforeach()
file(READ "${PREFIX}/received" received HEX)
expect("received STREQUAL expected" "the application received ${received}, not ${expected}")
