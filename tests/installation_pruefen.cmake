# Installs the build into a scratch prefix and checks that a desktop finds the program there:
# the program and its starter, the help file, the icon and the menu entry.
# Called by ctest with -DBAU=<build dir> -DZIEL=<scratch prefix>.
file(REMOVE_RECURSE "${ZIEL}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BAU}" --prefix "${ZIEL}" RESULT_VARIABLE ergebnis
                OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${ergebnis}")
endif()
foreach(datei bin/velmora bin/velmora-starten share/velmora/KURZBEDIENUNGSANLEITUNG.HLP
        share/icons/hicolor/256x256/apps/velmora.png share/icons/hicolor/scalable/apps/velmora.svg
        share/applications/velmora.desktop)
  if(NOT EXISTS "${ZIEL}/${datei}")
    message(FATAL_ERROR "not installed: ${datei}")
  endif()
endforeach()
file(READ "${ZIEL}/share/applications/velmora.desktop" eintrag)
foreach(zeile "Exec=velmora-starten" "Icon=velmora" "Name=Velmora" "Type=Application")
  string(FIND "${eintrag}" "${zeile}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "the menu entry lacks ${zeile}")
  endif()
endforeach()
find_program(PRUEFER desktop-file-validate)
if(PRUEFER)
  execute_process(COMMAND "${PRUEFER}" "${ZIEL}/share/applications/velmora.desktop" RESULT_VARIABLE ergebnis)
  if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses the menu entry")
  endif()
endif()
