# Run at install time: writes the menu entry and the file-manager entries with the installed
# program's full path. Set before: ENTRY_SOURCE (the dist/ folder), ENTRY_PROGRAM (bin path
# relative to the prefix), ENTRY_DATA (the data folder relative to the prefix).
set(program "${CMAKE_INSTALL_PREFIX}/${ENTRY_PROGRAM}")
# A desktop entry's Exec takes a path with other characters only in double quotes.
if(program MATCHES "^[A-Za-z0-9/_.+,-]+$")
  set(desktop_exec "${program}")
else()
  string(REPLACE "\\" "\\\\\\\\" desktop_exec "${program}")
  string(REPLACE "\"" "\\\\\"" desktop_exec "${desktop_exec}")
  string(REPLACE "`" "\\\\`" desktop_exec "${desktop_exec}")
  string(REPLACE "$" "\\\\$" desktop_exec "${desktop_exec}")
  string(REPLACE "%" "%%" desktop_exec "${desktop_exec}")
  set(desktop_exec "\"${desktop_exec}\"")
endif()
string(REPLACE "'" "'\\''" shell_exec "${program}")
set(shell_exec "'${shell_exec}'")
# The same as XML character data, for Thunar's action.
string(REPLACE "&" "&amp;" shell_exec_xml "${shell_exec}")
string(REPLACE "<" "&lt;" shell_exec_xml "${shell_exec_xml}")
string(REPLACE ">" "&gt;" shell_exec_xml "${shell_exec_xml}")

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ENTRY_DATA}")
foreach(pair
        "ferrovane.desktop.in|applications/ferrovane.desktop"
        "filemanagers/ferrovane-wipe.desktop.in|kio/servicemenus/ferrovane-wipe.desktop"
        "filemanagers/ferrovane-wipe.nemo_action.in|nemo/actions/ferrovane-wipe.nemo_action"
        "filemanagers/nautilus-script.in|ferrovane/filemanagers/Wipe with Ferrovane"
        "filemanagers/thunar-action.xml.in|ferrovane/filemanagers/thunar-action.xml")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  file(READ "${ENTRY_SOURCE}/${from}" entry)
  string(REPLACE "@FERROVANE_DESKTOP_EXEC@" "${desktop_exec}" entry "${entry}")
  if(to MATCHES "\\.xml$")
    string(REPLACE "@FERROVANE_SHELL_EXEC@" "${shell_exec_xml}" entry "${entry}")
  else()
    string(REPLACE "@FERROVANE_SHELL_EXEC@" "${shell_exec}" entry "${entry}")
  endif()
  message(STATUS "Installing: ${root}/${to}")
  file(WRITE "${root}/${to}" "${entry}")
endforeach()
# Nautilus runs a script only when it is marked as a program; users copy it into their own
# scripts folder (the Options page does that for them).
file(CHMOD "${root}/ferrovane/filemanagers/Wipe with Ferrovane" PERMISSIONS OWNER_READ OWNER_WRITE
     OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
