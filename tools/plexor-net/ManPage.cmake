# Writes the manual page of plexor-net from the tool's own help texts, so the page says
# what the tool says. Run as: cmake -DTOOL=path/to/plexor-net -DVERSION=x.y.z -DOUT=plexor-net.1 -P ManPage.cmake

function(help_of out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ${TOOL} ${ARGN}
                  OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} ${ARGN} failed: ${result}")
  endif()
  # troff reads a backslash as an escape and a leading dot or quote as a request.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(overview --help)
set(page ".TH PLEXOR\\-NET 1 \"\" \"Plexor ${VERSION}\" \"User Commands\"
.SH NAME
plexor\\-net \\- load, check, convert and render Plexor nets without a display
.SH SYNOPSIS
.nf
${overview}.fi
.SH DESCRIPTION
plexor\\-net reads \".net\" files as the Plexor editor loads them and works on them from
the command line. It needs no display and prints nothing but its results and messages.
")
foreach(command dump save check render diff)
  help_of(text ${command} --help)
  string(APPEND page ".SH \"${command}\"\n.nf\n${text}.fi\n")
endforeach()
string(APPEND page ".SH EXIT STATUS
0 done; 1 a file could not be loaded or written; 2 check found something; 64 wrong usage.
diff exits as diff(1) does: 0 the nets are equal, 1 they differ, 2 a file could not be loaded.
")
file(WRITE ${OUT} "${page}")
