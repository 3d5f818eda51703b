# Installs the build into a fresh prefix and checks the tree a desktop needs: exactly these
# files, a desktop entry the validator accepts, a MIME type the database takes, a manual
# page, and programs that run from where they were installed.
# Run as: cmake -DBUILD=build-dir -DPREFIX=scratch-dir -P InstallTree.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/plexor
  bin/plexor-net
  share/applications/plexor.desktop
  share/bash-completion/completions/plexor-net
  share/doc/plexor/README.md
  share/icons/hicolor/scalable/apps/plexor.svg
  share/man/man1/plexor-net.1
  share/mime/packages/plexor-net.xml)
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

function(expect_success what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "${what}: ${result}\n${out}${err}")
  endif()
endfunction()

find_program(VALIDATE desktop-file-validate REQUIRED)
expect_success("desktop entry" ${VALIDATE} ${PREFIX}/share/applications/plexor.desktop)
file(READ ${PREFIX}/share/applications/plexor.desktop entry)
foreach(line "Exec=plexor %f" "Icon=plexor" "MimeType=application/x-plexor-net;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop entry lacks \"${line}\"")
  endif()
endforeach()

find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  # It notes on stderr that the scratch prefix is not among the system's data folders.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PKGSYSTEM_ENABLE_FSYNC=0 ${UPDATE_MIME} ${PREFIX}/share/mime
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "update-mime-database refused the MIME type: ${result}")
  endif()
  # Two types named by the glob, so the content decides: a net's opening makes it a net.
  file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX ":\\*\\.net$")
  if(NOT globs STREQUAL "50:text/plain:*.net;40:application/x-plexor-net:*.net")
    message(FATAL_ERROR "globs2 holds: ${globs}")
  endif()
endif()

file(READ ${PREFIX}/share/man/man1/plexor-net.1 page)
if(NOT page MATCHES "^\\.TH PLEXOR\\\\-NET 1" OR NOT page MATCHES "\n\\.SH \"render\"\n")
  message(FATAL_ERROR "the manual page is not one:\n${page}")
endif()
expect_success("installed plexor-net" ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
               ${PREFIX}/bin/plexor-net check ${SOURCE}/examples/filter-chain.net)
file(MAKE_DIRECTORY ${PREFIX}/run)
file(CHMOD ${PREFIX}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
expect_success("installed plexor" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${PREFIX}/run
               ASAN_OPTIONS=detect_leaks=0 ${PREFIX}/bin/plexor --version)
file(REMOVE_RECURSE ${PREFIX})
