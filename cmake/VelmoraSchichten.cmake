# The layers of the sources only point down. Each folder below src/ has a rank; a file may
# include headers of its own folder and of folders ranked below it, never of one of the same
# rank or above. Windows ("fenster/" of a folder) and the Qt adapters ("qtadapter/") rank with
# their folder, and the logic (every other file) includes none of them: it stays free of Qt.
#
# Run as a build step (src/CMakeLists.txt) over every source file:
#   cmake -DQUELLORDNER=<src> -DSTEMPEL=<file written when all is well> -P VelmoraSchichten.cmake
# A folder without a rank fails as well, so that a new folder gets its place in the list.

get_filename_component(QUELLORDNER "${QUELLORDNER}" ABSOLUTE)

set(VELMORA_SCHICHTEN
  "basis"                      # text, files, messages, the ports of the system
  "print"                      # the print engine: paper, fonts, widths, tables; no student
  "qtadapter"                  # Qt behind the ports of basis/ and print/
  "classdata"                  # the class file and its students
  "settings subjects"          # the settings and the subject lists
  "printcommands"              # what the print commands print: sheets, session names
  "reports check printerinfo"  # the reports, the data check, the printer information
  "app")                       # the program: main control, main window, start

set(rang 0)
foreach(stufe IN LISTS VELMORA_SCHICHTEN)
  string(REPLACE " " ";" ordner_der_stufe "${stufe}")
  foreach(ordner IN LISTS ordner_der_stufe)
    set(rang_${ordner} ${rang})
  endforeach()
  math(EXPR rang "${rang} + 1")
endforeach()

function(ist_fensterdatei pfad ergebnis)
  if(pfad MATCHES "^qtadapter/" OR pfad MATCHES "^[a-z]+/fenster/")
    set(${ergebnis} TRUE PARENT_SCOPE)
  else()
    set(${ergebnis} FALSE PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE dateien RELATIVE "${QUELLORDNER}" "${QUELLORDNER}/*.h" "${QUELLORDNER}/*.cpp")
set(fehler "")
foreach(datei IN LISTS dateien)
  string(REGEX MATCH "^[^/]+" ordner "${datei}")
  if(NOT DEFINED rang_${ordner})
    string(APPEND fehler "\n  ${datei}: the folder ${ordner}/ has no rank in cmake/VelmoraSchichten.cmake")
    continue()
  endif()
  ist_fensterdatei("${datei}" datei_ist_fenster)
  file(STRINGS "${QUELLORDNER}/${datei}" zeilen REGEX "^#include \"[a-z]+/")
  foreach(zeile IN LISTS zeilen)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" ziel "${zeile}")
    string(REGEX MATCH "^[^/]+" zielordner "${ziel}")
    if(NOT DEFINED rang_${zielordner})
      continue()  # not one of ours
    endif()
    ist_fensterdatei("${ziel}" ziel_ist_fenster)
    if(ziel_ist_fenster AND NOT datei_ist_fenster)
      string(APPEND fehler "\n  ${datei}: logic includes the window file ${ziel}")
    elseif(NOT zielordner STREQUAL ordner AND NOT rang_${zielordner} LESS rang_${ordner})
      string(APPEND fehler "\n  ${datei}: includes ${ziel}, which is not below ${ordner}/ (cmake/VelmoraSchichten.cmake)")
    endif()
  endforeach()
endforeach()

if(fehler)
  message(FATAL_ERROR "Includes that point up or sideways:${fehler}")
endif()
file(TOUCH "${STEMPEL}")
