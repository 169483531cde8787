# The program folder of the Windows build cross-compiled on Linux with MinGW-w64 against a Qt
# built for MinGW (windows-paket.sh). windeployqt does not exist for such a build, so the files
# a bare Windows 10/11 needs beside velmora.exe are listed here:
#   - the Qt DLLs of the modules the program links (Core, Gui, Widgets, PrintSupport);
#   - the plugins: platforms\qwindows.dll (the window system), styles\qwindowsvistastyle.dll
#     (the Windows look), imageformats\qjpeg.dll (JPEG scans as form backgrounds);
#   - the MinGW runtime DLLs, shared by Qt and the program;
#   - translations\qtbase_de.qm, the German texts of Qt's own dialogs and buttons, from Debian's
#     qt6-translations-l10n (the same file on every platform).
# Qt finds the plugins beside the program (its folder is on the library path) and the program
# looks for the translation in its folder's "translations". The DLLs and the program lose their
# symbol tables on the way (strip), which a user's PC does not need: a third of the size.

set(VELMORA_QT_UEBERSETZUNGEN "/usr/share/qt6/translations" CACHE PATH
  "Folder with qtbase_de.qm (Debian: qt6-translations-l10n)")

function(velmora_windows_ordner_installieren)
  set(binaer velmora.exe)  # what is stripped, relative to the folder
  foreach(modul Core Gui Widgets PrintSupport)
    install(FILES "$<TARGET_FILE:Qt6::${modul}>" DESTINATION .)
    list(APPEND binaer "$<TARGET_FILE_NAME:Qt6::${modul}>")
  endforeach()

  foreach(plugin_ziel_ordner QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles
                             QJpegPlugin:imageformats)
    string(REPLACE ":" ";" teile "${plugin_ziel_ordner}")
    list(GET teile 0 plugin)
    list(GET teile 1 ordner)
    if(NOT TARGET Qt6::${plugin})
      message(FATAL_ERROR "The Qt for MinGW lacks the plugin ${plugin} (${ordner}); build it with windows-paket.sh")
    endif()
    install(FILES "$<TARGET_FILE:Qt6::${plugin}>" DESTINATION ${ordner})
    list(APPEND binaer "${ordner}/$<TARGET_FILE_NAME:Qt6::${plugin}>")
  endforeach()

  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                    OUTPUT_VARIABLE pfad OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${pfad}" OR NOT EXISTS "${pfad}")
      message(FATAL_ERROR "MinGW runtime ${dll} not found (${CMAKE_CXX_COMPILER} -print-file-name)")
    endif()
    install(FILES "${pfad}" DESTINATION .)
    list(APPEND binaer ${dll})
  endforeach()

  set(qm "${VELMORA_QT_UEBERSETZUNGEN}/qtbase_de.qm")
  if(NOT EXISTS "${qm}")
    message(FATAL_ERROR "${qm} is missing (Debian package qt6-translations-l10n)")
  endif()
  install(FILES "${qm}" DESTINATION translations)

  if(NOT CMAKE_STRIP)
    message(FATAL_ERROR "No strip program for the MinGW build (CMAKE_STRIP)")
  endif()
  install(CODE "
    foreach(datei ${binaer})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${datei}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")
endfunction()
