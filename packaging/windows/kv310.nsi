; The Windows installer of KV310 PC Programmer, built by scripts/build-windows with Debian's makensis:
;   makensis -DVERSION=1.0.0 -DBIN_DIR=... -DDOC_DIR=... -DOUT_FILE=kv310-setup-1.0.0.exe kv310.nsi
; BIN_DIR holds kv310.exe, kv310ctl.exe and kv310-path.exe (the PATH helper), DOC_DIR README.txt and
; LICENSE.txt (with Windows line ends).
;
; Its first page asks whom to install for: for all users (administrator rights; Program Files, the common
; Start menu, the machine's registry) or just for me (no administrator rights; the user's programs folder,
; Start menu and registry). Either adds a Start-menu shortcut, opens .dat plans in kv310.exe, registers its
; uninstaller under Add/Remove Programs and, when chosen, puts kv310ctl on the PATH (the machine's or the
; user's), through kv310-path.exe: the installer's own strings hold 1,024 characters, a PATH may be longer.
; Silent: setup.exe /S [/ALLUSERS|/CURRENTUSER] [/D=folder] [/PATH] (all users when allowed, unless
; /CURRENTUSER; the PATH entry only with /PATH); uninstall.exe /S.

; a 64-bit installer for a 64-bit program (it also runs where no 32-bit Windows layer is installed)
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "KV310 PC Programmer"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KV310"
!define PROG_ID "KV310.Plan"

; Whom for: asks for administrator rights only where the user has them (Highest), offers both where they
; do, and installs just for the user where not. /ALLUSERS and /CURRENTUSER choose without the page; the
; uninstaller learns the choice from where its Add/Remove Programs entry is.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "KV310 PC Programmer developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GNU General Public License, version 3 or later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kv310.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_LICENSE "${DOC_DIR}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!include "x64.nsh"

; ShellVarContext and SHCTX follow the choice: the machine's folders and registry, or the user's.
Var PathScope  ; "machine" or "user": the PATH kv310-path.exe changes

Function .onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${Else}
        MessageBox MB_ICONSTOP|MB_OK "${PRODUCT} needs a 64-bit Windows." /SD IDOK
        Abort
    ${EndIf}
    StrCpy $0 $INSTDIR  ; /D=folder, which the choice's default folder must not replace
    !insertmacro MULTIUSER_INIT
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
    ; a silent install puts kv310ctl on the PATH only when asked with /PATH
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PATH" $1
    ${IfNot} ${Errors}
        SectionSetFlags 1 ${SF_SELECTED}
    ${EndIf}
FunctionEnd

Section "${PRODUCT}" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${BIN_DIR}\kv310.exe"
    File "${BIN_DIR}\kv310ctl.exe"
    File "${DOC_DIR}\README.txt"
    File "${DOC_DIR}\LICENSE.txt"
    File "${BIN_DIR}\kv310-path.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\kv310.exe" "" "$INSTDIR\kv310.exe" 0

    ; double-clicking a plan opens it; the extension's former owner is kept to be given back on uninstall
    ReadRegStr $0 SHCTX "Software\Classes\.dat" ""
    ${If} $0 != "${PROG_ID}"
        WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousDatClass" $0
    ${EndIf}
    WriteRegStr SHCTX "Software\Classes\.dat" "" "${PROG_ID}"
    WriteRegStr SHCTX "Software\Classes\.dat\OpenWithProgids" "${PROG_ID}" ""
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}" "" "KV310 radio plan"
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\kv310.exe,0"
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\kv310.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "KV310 PC Programmer developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kv310.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" $MultiUser.InstallMode
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "kv310ctl on the PATH" SecPath
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $PathScope "machine"
    ${Else}
        StrCpy $PathScope "user"
    ${EndIf}
    ; the helper reads and writes the PATH whole; it refuses rather than cut it
    nsExec::ExecToLog '"$INSTDIR\kv310-path.exe" add $PathScope "$INSTDIR"'
    Pop $0
    ${If} $0 == 0
        WriteRegStr SHCTX "${UNINSTALL_KEY}" "AddedToPath" $PathScope
    ${Else}
        MessageBox MB_ICONEXCLAMATION|MB_OK "kv310ctl was not put on the PATH, which was left as it was (the PATH could not be read, or would grow too long). Run kv310ctl from $INSTDIR instead." /SD IDOK
    ${EndIf}
SectionEnd

LangString DESC_Program ${LANG_ENGLISH} "The desktop program kv310.exe, the command-line tool kv310ctl.exe, a Start-menu shortcut and the .dat file association."
LangString DESC_Path ${LANG_ENGLISH} "Lets a command prompt run kv310ctl from any folder (through your own PATH when installed just for you)."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $(DESC_Program)
    !insertmacro MUI_DESCRIPTION_TEXT ${SecPath} $(DESC_Path)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Uninstall"
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 == "machine"
    ${OrIf} $0 == "user"
        nsExec::ExecToLog '"$INSTDIR\kv310-path.exe" remove $0 "$INSTDIR"'
        Pop $1
        ${If} $1 != 0
            MessageBox MB_ICONEXCLAMATION|MB_OK "$INSTDIR could not be taken off the PATH, which was left as it was; remove it there yourself." /SD IDOK
        ${EndIf}
    ${EndIf}

    ; the extension goes back to whoever had it, if it is still ours
    ReadRegStr $0 SHCTX "Software\Classes\.dat" ""
    ${If} $0 == "${PROG_ID}"
        ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "PreviousDatClass"
        ${If} $1 == ""
            DeleteRegValue SHCTX "Software\Classes\.dat" ""
        ${Else}
            WriteRegStr SHCTX "Software\Classes\.dat" "" $1
        ${EndIf}
    ${EndIf}
    DeleteRegValue SHCTX "Software\Classes\.dat\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.dat\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.dat"
    DeleteRegKey SHCTX "Software\Classes\${PROG_ID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"
    ; only what was installed: the user's plans, port file and backups live elsewhere
    Delete "$INSTDIR\kv310.exe"
    Delete "$INSTDIR\kv310ctl.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\kv310-path.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
