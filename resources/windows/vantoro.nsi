; The Windows installer, made by scripts/package with makensis:
;   makensis -DVERSION=1.0.0 -DSTAGE=<the Windows install tree> -DLISTS=<folder>
;            -DOUTFILE=<installer.exe> vantoro.nsi
; LISTS holds files.nsh and unfiles.nsh, written from the install tree, so the uninstaller
; removes exactly the files the installer wrote and then only folders left empty.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define APP "Korrido Vantoro"
!define PROG_ID "KorridoVantoro.Project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KorridoVantoro"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${APP} ${VERSION}"

!define MUI_ICON "${STAGE}/vantoro.ico"
!define MUI_UNICON "${STAGE}/vantoro.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantoro.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Install"
  !include "${LISTS}/files.nsh"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\vantoro.exe" "" "$INSTDIR\vantoro.exe" 0

  ; Projects (.skn) open in the editor and show its icon.
  WriteRegStr HKLM "Software\Classes\.skn" "" "${PROG_ID}"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "Korrido skin project"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" '"$INSTDIR\vantoro.exe",0'
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\vantoro.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Brastel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\vantoro.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${APP}.lnk"

  ; The file type goes only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.skn" ""
  StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.skn"
  DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  !include "${LISTS}/unfiles.nsh"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
