; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Mireva, made by scripts/build-windows.sh, which
; defines VERSION, FILES (the macros that install and remove the portable
; folder's files), ICON and OUTFILE. A 64-bit installer for all users:
; the program goes under Program Files, its link into the Start menu, and
; an uninstaller among Windows' installed programs. /S installs and
; uninstalls silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define APP "Mireva"
!define MENU_NAME "Mireva 速算试题"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "${MENU_NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"
!include "${FILES}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\mireva.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "--sheets-in-documents"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Mireva"
  !insertmacro InstallFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Started from the Start menu, the program writes its sheets into the
  ; user's Documents\Mireva rather than into its own folder.
  CreateShortCut "$SMPROGRAMS\${MENU_NAME}.lnk" "$INSTDIR\mireva.exe" "--sheets-in-documents" "$INSTDIR\mireva.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${MENU_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Mireva"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mireva.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${MENU_NAME}.lnk"
  !insertmacro UninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: whatever else is there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
