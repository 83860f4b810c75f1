# Writes the manual page of tgedit-cli from its own help, so the two never
# differ: the tool's help, then each command's help in the order the tool
# lists them.
#   cmake -DCLI=<tgedit-cli> -DVERSION=<version> -DOUT=<file> -P make_cli_man.cmake

# The text as lines of roff that are set as they stand.
function(as_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  # Options and commands are typed with the ASCII minus, not a hyphen.
  string(REPLACE "-" "\\-" text "${text}")
  # A line that begins with a dot or an apostrophe would be read as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

function(help_of out)
  execute_process(COMMAND ${CLI} help ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} help ${ARGN} failed: ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(tool)
# The commands are the lines "  NAME ..." of the help's command list.
string(REGEX MATCH "\nCommands:\n(.*)\n\n" list "${tool}")
string(REGEX MATCHALL "\n  [a-z]+" commands "\n${CMAKE_MATCH_1}")

as_roff("${tool}" body)
set(page ".TH TGEDIT-CLI 1 \"\" \"TG Edit ${VERSION}\" \"User Commands\"
.SH NAME
tgedit-cli \\- TG Edit's settings work without its windows
.SH SYNOPSIS
.B tgedit-cli
.I COMMAND ARGUMENTS...
.br
.B tgedit-cli help
.RI [ COMMAND ]
.SH DESCRIPTION
${body}.SH COMMANDS
")
foreach(command ${commands})
  string(STRIP "${command}" command)
  help_of(help ${command})
  as_roff("${help}" body)
  string(APPEND page ".SS ${command}\n${body}")
endforeach()
string(APPEND page ".SH SEE ALSO\n.BR tgedit (1)\n")
file(WRITE ${OUT} "${page}")
