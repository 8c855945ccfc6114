; The Windows setup program of Solvanex, built by scripts/package-windows.sh with NSIS:
;   makensis -DARCH=x64|x86 -DSTAGE=<folder with the files> -DVERSION=1.0.0 -DOUTFILE=<setup.exe>
;            Solvanex.nsi
; In French, in English when the system is not French. An administrator installs for every user
; into Program Files; anyone else, or an administrator who asks so with /CurrentUser, for himself
; into his own programs folder. The setup writes the program's files, a Start-menu shortcut, the
; entry of Apps & features and, for every user, the help file's registration in the HTML Help
; key of the machine that Windows' viewer reads (for one user that key cannot be written: the
; program names its help file by its full path, which needs none); the uninstaller removes
; exactly these. /S installs and uninstalls silently.

!ifndef ARCH | STAGE | VERSION | OUTFILE
  !error "ARCH, STAGE, VERSION and OUTFILE must be defined"
!endif

; The setup of a 64-bit program is a 64-bit program itself: it sees the 64-bit registry and
; Program Files as they are, and runs where 32-bit programs do not.
!if ${ARCH} == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"


!define PRODUCT "Solvanex"
!define PUBLISHER "The Solvanex developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvanex"
!define HTML_HELP_KEY "SOFTWARE\Microsoft\Windows\HTML Help"
!define HELP_FILE "Solvanex.chm"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; Highest: an administrator gets the elevated token, anyone else runs as himself.
RequestExecutionLevel highest
ManifestDPIAware true
SetCompressor /SOLID lzma
InstallDir ""
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "MIT"

Var AllUsers  ; 1 when installed for every user (HKLM, Program Files)
Var ProgramsFolderMade  ; 1 when the setup made the user's programs folder

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\solvanex.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the one used when the system's is not among them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString NeedsAdministrator ${LANG_ENGLISH} \
  "${PRODUCT} was installed for every user: only an administrator can remove it."
LangString NeedsAdministrator ${LANG_FRENCH} \
  "${PRODUCT} a été installé pour tous les utilisateurs : seul un administrateur peut le désinstaller."
LangString Needs64Bit ${LANG_ENGLISH} "This setup program is for 64-bit Windows."
LangString Needs64Bit ${LANG_FRENCH} "Ce programme d'installation est destiné à Windows 64 bits."

; The registry view and the folders of the mode chosen; the view is the one that a program of
; this setup's architecture (and its HTML Help viewer) reads.
!macro SelectRegistryView
  !if ${ARCH} == "x64"
    SetRegView 64
  !else
    SetRegView 32
  !endif
!macroend

!macro SelectMode
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
!macroend

Function .onInit
  !if ${ARCH} == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_ICONSTOP "$(Needs64Bit)" /SD IDOK
      Abort
    ${EndIf}
  !endif
  !insertmacro SelectRegistryView
  UserInfo::GetAccountType
  Pop $0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${If} ${Errors}
  ${AndIf} $0 == "Admin"
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  !insertmacro SelectMode
  ${If} $INSTDIR == ""
    ${If} $AllUsers == 1
      !if ${ARCH} == "x64"
        StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
      !else
        StrCpy $INSTDIR "$PROGRAMFILES32\${PRODUCT}"
      !endif
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Solvanex"
  ; The user's own programs folder may be missing (it comes with the first program installed
  ; there): made here, it goes with the uninstall when nothing else is left in it.
  ${If} $AllUsers == 0
  ${AndIfNot} ${FileExists} "$LOCALAPPDATA\Programs\*.*"
    StrCpy $ProgramsFolderMade 1
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "${STAGE}\solvanex.exe"
  File "${STAGE}\${HELP_FILE}"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut's working folder is the output path at its creation: the program's own.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\solvanex.exe" "" "$INSTDIR\solvanex.exe" 0

  ; SHCTX is HKLM for every user, HKCU for one (SetShellVarContext).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\solvanex.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} $ProgramsFolderMade == 1
  ${AndIf} $INSTDIR == "$LOCALAPPDATA\Programs\${PRODUCT}"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "ProgramsFolderCreated" 1
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Windows' viewer looks a help file named by its bare name up in this key of the machine's;
  ; the key is made, and then removed with the value, when the system has none.
  ${If} $AllUsers == 1
    ClearErrors
    EnumRegValue $0 HKLM "${HTML_HELP_KEY}" 0
    ${If} ${Errors}
      WriteRegDWORD HKLM "${UNINSTALL_KEY}" "HtmlHelpKeyCreated" 1
    ${EndIf}
    WriteRegStr HKLM "${HTML_HELP_KEY}" "${HELP_FILE}" "$INSTDIR"
  ${EndIf}
SectionEnd

Function un.onInit
  !insertmacro SelectRegistryView
  ; Installed for every user when the machine's entry names this folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 1
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
      Abort
    ${EndIf}
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  !insertmacro SelectMode
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\solvanex.exe"
  Delete "$INSTDIR\${HELP_FILE}"
  Delete "$INSTDIR\LICENSE.txt"
  ; What the program itself writes beside itself: its write test and its diagnostics file.
  Delete "$INSTDIR\$$_Temp_$$.$$$$$$"
  Delete "$INSTDIR\HHDebug.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Removed only when empty: files that someone else put there stay, with their folder.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ${If} $AllUsers == 1
    ReadRegStr $1 HKLM "${HTML_HELP_KEY}" "${HELP_FILE}"
    ${If} $1 == $INSTDIR
      DeleteRegValue HKLM "${HTML_HELP_KEY}" "${HELP_FILE}"
    ${EndIf}
    ReadRegDWORD $2 HKLM "${UNINSTALL_KEY}" "HtmlHelpKeyCreated"
    ${If} $2 == 1
      DeleteRegKey /ifempty HKLM "${HTML_HELP_KEY}"
    ${EndIf}
  ${EndIf}
  ${If} $AllUsers == 0
    ReadRegDWORD $3 HKCU "${UNINSTALL_KEY}" "ProgramsFolderCreated"
    ${If} $3 == 1
      RMDir "$LOCALAPPDATA\Programs"
    ${EndIf}
  ${EndIf}
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
