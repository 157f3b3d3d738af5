; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: the portable folder installed into Program Files,
; a Start-menu shortcut, the puzzle files .sdk, .sdm and .ss opened by the
; game, and an uninstaller listed under Add/Remove Programs. build.sh
; windows defines VERSION, STAGE (the portable folder), FILES and UNFILES
; (the lists of what it holds) and OUTFILE.
; A 64-bit installer for a 64-bit game: it also runs where Windows (or
; Wine) has no 32-bit side.
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define APPNAME "Sudoku Nodala"
!define PUBLISHER "The Sudoku Nodala developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SudokuNodala"
!define PROGID "SudokuNodala.Puzzle"
!define CLASSES "Software\Classes"

; For every user, as the rest of the installation. The game is offered for
; the extension and becomes its default only where no program is yet.
!macro Associate EXT
  WriteRegStr HKLM "${CLASSES}\${EXT}\OpenWithProgids" "${PROGID}" ""
  ReadRegStr $0 HKLM "${CLASSES}\${EXT}" ""
  ${If} $0 == ""
    WriteRegStr HKLM "${CLASSES}\${EXT}" "" "${PROGID}"
  ${EndIf}
!macroend

; Takes back only what Associate wrote; another program's default stays.
!macro Unassociate EXT
  DeleteRegValue HKLM "${CLASSES}\${EXT}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKLM "${CLASSES}\${EXT}\OpenWithProgids"
  ReadRegStr $0 HKLM "${CLASSES}\${EXT}" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKLM "${CLASSES}\${EXT}" ""
  ${EndIf}
  DeleteRegKey /ifempty HKLM "${CLASSES}\${EXT}"
!macroend

Name "${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APPNAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${APPNAME} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APPNAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APPNAME} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GNU General Public License, version 3 or later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\sudoku-nodala.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${APPNAME}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\sudoku-nodala.exe" "" "$INSTDIR\sudoku-nodala.exe" 0 \
      SW_SHOWNORMAL "" "A Sudoku game"

  WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Sudoku puzzle"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\sudoku-nodala.exe,0"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\sudoku-nodala.exe" "%1"'
  !insertmacro Associate ".sdk"
  !insertmacro Associate ".sdm"
  !insertmacro Associate ".ss"
  ; SHCNE_ASSOCCHANGED: Explorer shows the new icons at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APPNAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\sudoku-nodala.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "https://www.sudokunodala.com/"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what was installed goes: the player's saves live in the application
; data folder, and a folder that still holds anything else stays.
Section "Uninstall"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APPNAME}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro Unassociate ".sdk"
  !insertmacro Unassociate ".sdm"
  !insertmacro Unassociate ".ss"
  DeleteRegKey HKLM "${CLASSES}\${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
