# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles Vorlin.app/Contents in the build tree: Info.plist, the executables in MacOS/ and
# the resources in Resources/, so programs find their resources the same way in the build
# tree, in tests and after installation. `cmake --install` puts the same bundle under
# <prefix>/lib/vorlin/.

set(VORLIN_BUNDLE_DIR "${CMAKE_BINARY_DIR}/Vorlin.app")
set(VORLIN_BUNDLE_CONTENTS "${VORLIN_BUNDLE_DIR}/Contents")
set(VORLIN_BUNDLE_RESOURCES "${VORLIN_BUNDLE_CONTENTS}/Resources")
# Relative to the installation prefix.
set(VORLIN_INSTALL_CONTENTS "lib/vorlin/Vorlin.app/Contents")

# The oldest kernel release the bundle runs on: stated in its Info.plist, and the launcher's
# minimum where an Info.plist states none.
set(VORLIN_MINIMUM_SYSTEM_VERSION "4.19")

configure_file("${PROJECT_SOURCE_DIR}/bundle/Info.plist.in"
               "${VORLIN_BUNDLE_CONTENTS}/Info.plist" @ONLY)

add_custom_target(vorlin_bundle_resources ALL)

# Which target puts each resource in place, by its path below Resources, so that a test
# can depend on exactly the files it reads (vorlin_add_test's BUNDLE_FILES).
function(vorlin_note_bundled_file path target)
  set_property(GLOBAL PROPERTY "VORLIN_BUNDLED_${path}" "${target}")
endfunction()

# vorlin_bundle_resources(<file>... [DESTINATION <subfolder of Resources>])
# Copies source files into Contents/Resources whenever they change.
function(vorlin_bundle_resources)
  cmake_parse_arguments(ARG "" "DESTINATION" "" ${ARGN})
  set(destination "${VORLIN_BUNDLE_RESOURCES}")
  if(ARG_DESTINATION)
    set(destination "${destination}/${ARG_DESTINATION}")
  endif()
  set(outputs)
  set(relative_paths)
  foreach(file IN LISTS ARG_UNPARSED_ARGUMENTS)
    get_filename_component(source "${file}" ABSOLUTE)
    get_filename_component(name "${file}" NAME)
    set(output "${destination}/${name}")
    add_custom_command(OUTPUT "${output}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${destination}"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${output}"
      DEPENDS "${source}"
      COMMENT "Bundling ${name}")
    list(APPEND outputs "${output}")
    if(ARG_DESTINATION)
      list(APPEND relative_paths "${ARG_DESTINATION}/${name}")
    else()
      list(APPEND relative_paths "${name}")
    endif()
  endforeach()
  string(MD5 tag "${outputs}")
  add_custom_target(vorlin_bundle_${tag} DEPENDS ${outputs})
  add_dependencies(vorlin_bundle_resources vorlin_bundle_${tag})
  foreach(path IN LISTS relative_paths)
    vorlin_note_bundled_file("${path}" vorlin_bundle_${tag})
  endforeach()
endfunction()

# vorlin_bundle_executable(<target>): builds the program into Contents/MacOS and installs it
# there.
function(vorlin_bundle_executable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${VORLIN_BUNDLE_CONTENTS}/MacOS")
  install(TARGETS ${target} RUNTIME DESTINATION "${VORLIN_INSTALL_CONTENTS}/MacOS")
endfunction()

# vorlin_install_command_link(<command> <executable>): <prefix>/bin/<command> as a relative
# link to the bundle's <executable>, so the installed tree can move as a whole (DESTDIR,
# packaging).
include(GNUInstallDirs)
function(vorlin_install_command_link command executable)
  file(RELATIVE_PATH target "/prefix/${CMAKE_INSTALL_BINDIR}"
       "/prefix/${VORLIN_INSTALL_CONTENTS}/MacOS/${executable}")
  install(CODE "
    set(vorlin_link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${command}\")
    message(STATUS \"Installing: \${vorlin_link}\")
    get_filename_component(vorlin_link_dir \"\${vorlin_link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${vorlin_link_dir}\")
    file(CREATE_LINK \"${target}\" \"\${vorlin_link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES
         \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${command}\")")
endfunction()
