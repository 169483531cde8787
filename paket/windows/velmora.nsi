; Installer of Velmora for Windows (NSIS 3, Debian package nsis). windows-paket.sh builds it:
;   makensis -DVERSION=1.1 -DAUSGABE=<Setup.exe> -DSYMBOL=<velmora.ico> -DGROESSE_KB=<n>
;            -DDATEIEN=<files.nsh> -DENTFERNEN=<delete.nsh> velmora.nsi
; DATEIEN and ENTFERNEN list the files of the program folder that "cmake --install" made (File
; and Delete lines, written by the script), so the uninstaller removes exactly what was
; installed and nothing else.
;
; With administrator rights Velmora goes into "Programme\Velmora" for every user of the PC,
; without them into the teacher's own "AppData\Local\Programs\Velmora". The Start menu entry
; passes "--dokumente": the program then works in "Dokumente\Velmora" of the user who clicks
; it. The uninstaller never touches that folder.

; A 64-bit installer for the 64-bit program: it sees the 64-bit program folder and registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel highest
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUKT "Velmora"
!define HERSTELLER "Velmora"
!define DEINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"

Name "${PRODUKT} ${VERSION}"
OutFile "${AUSGABE}"
BrandingText "${PRODUKT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUKT}"
VIAddVersionKey /LANG=1031 "CompanyName" "${HERSTELLER}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von ${PRODUKT} ${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${HERSTELLER}"

!define MUI_ICON "${SYMBOL}"
!define MUI_UNICON "${SYMBOL}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Dieser Assistent installiert ${PRODUKT} ${VERSION}, das Programm für die Klassendaten und Zeugnisse der Berufsschule.$\r$\n$\r$\nIhre Daten legt ${PRODUKT} im Ordner $\"Dokumente\Velmora$\" des angemeldeten Benutzers ab, nicht im Programmordner.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
!define MUI_FINISHPAGE_TEXT "${PRODUKT} ${VERSION} ist installiert. Sie starten es im Startmenü mit $\"${PRODUKT}$\".$\r$\n$\r$\nIhre Daten stehen im Ordner $\"Dokumente\Velmora$\"."
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

Function .onInit
  UserInfo::GetAccountType
  Pop $0
  ; A folder given with /D=... stays.
  ${If} $0 == "Admin"
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUKT}"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUKT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "${PRODUKT}" AbschnittProgramm
  SectionIn RO
  SetOutPath "$INSTDIR"
  !include "${DATEIEN}"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  ; The working directory of the link does not matter: "--dokumente" makes the program work
  ; in the documents of the user who starts it.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUKT}.lnk" "$INSTDIR\velmora.exe" "--dokumente" \
    "$INSTDIR\velmora.exe" 0 SW_SHOWNORMAL "" "Klassendaten und Zeugnisse der Berufsschule"

  ; "Apps & Features" (and "Programme und Features") list the program with these values,
  ; machine-wide (HKLM) or for the current user (HKCU), as SetShellVarContext chose.
  WriteRegStr SHCTX "${DEINSTALLATION}" "DisplayName" "${PRODUKT}"
  WriteRegStr SHCTX "${DEINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${DEINSTALLATION}" "Publisher" "${HERSTELLER}"
  WriteRegStr SHCTX "${DEINSTALLATION}" "DisplayIcon" "$INSTDIR\velmora.exe"
  WriteRegStr SHCTX "${DEINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${DEINSTALLATION}" "UninstallString" "$\"$INSTDIR\Deinstallieren.exe$\""
  WriteRegStr SHCTX "${DEINSTALLATION}" "QuietUninstallString" "$\"$INSTDIR\Deinstallieren.exe$\" /S"
  WriteRegDWORD SHCTX "${DEINSTALLATION}" "NoModify" 1
  WriteRegDWORD SHCTX "${DEINSTALLATION}" "NoRepair" 1
  WriteRegDWORD SHCTX "${DEINSTALLATION}" "EstimatedSize" ${GROESSE_KB}
SectionEnd

Section /o "Verknüpfung auf dem Desktop" AbschnittDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${PRODUKT}.lnk" "$INSTDIR\velmora.exe" "--dokumente" \
    "$INSTDIR\velmora.exe" 0 SW_SHOWNORMAL "" "Klassendaten und Zeugnisse der Berufsschule"
SectionEnd

Function un.onInit
  ; Installed for all users when the machine-wide entry names this folder.
  ReadRegStr $0 HKLM "${DEINSTALLATION}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Only what the installer put there; the teachers' folders "Dokumente\Velmora" stay.
  !include "${ENTFERNEN}"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUKT}.lnk"
  Delete "$DESKTOP\${PRODUKT}.lnk"
  DeleteRegKey SHCTX "${DEINSTALLATION}"
SectionEnd
