; The Windows installer of KV310 PC Programmer, built by scripts/build-windows with Debian's makensis:
;   makensis -DVERSION=1.0.0 -DBIN_DIR=... -DDOC_DIR=... -DOUT_FILE=kv310-setup-1.0.0.exe kv310.nsi
; BIN_DIR holds kv310.exe and kv310ctl.exe, DOC_DIR README.txt and LICENSE.txt (with Windows line ends).
;
; It installs for all users into Program Files, adds a Start-menu shortcut, opens .dat plans in kv310.exe,
; registers its uninstaller under Add/Remove Programs and, when chosen, puts kv310ctl on the PATH.
; Silent: setup.exe /S [/D=folder] (the PATH entry then only with /PATH); uninstall.exe /S.

; a 64-bit installer for a 64-bit program (it also runs where no 32-bit Windows layer is installed)
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "StrFunc.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"
${StrStr}
${UnStrRep}

!define PRODUCT "KV310 PC Programmer"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KV310"
!define PROG_ID "KV310.Plan"
!define ENV_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
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
!insertmacro MUI_PAGE_LICENSE "${DOC_DIR}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${Else}
        MessageBox MB_ICONSTOP|MB_OK "${PRODUCT} needs a 64-bit Windows." /SD IDOK
        Abort
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
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${BIN_DIR}\kv310.exe"
    File "${BIN_DIR}\kv310ctl.exe"
    File "${DOC_DIR}\README.txt"
    File "${DOC_DIR}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\kv310.exe" "" "$INSTDIR\kv310.exe" 0

    ; double-clicking a plan opens it; the extension's former owner is kept to be given back on uninstall
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    ${If} $0 != "${PROG_ID}"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "PreviousDatClass" $0
    ${EndIf}
    WriteRegStr HKLM "Software\Classes\.dat" "" "${PROG_ID}"
    WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "${PROG_ID}" ""
    WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "KV310 radio plan"
    WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\kv310.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\kv310.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "KV310 PC Programmer developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kv310.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "kv310ctl on the PATH" SecPath
    ReadRegStr $0 HKLM "${ENV_KEY}" "Path"
    ${StrStr} $1 ";$0;" ";$INSTDIR;"
    ${If} $1 == ""
        ${If} $0 == ""
            WriteRegExpandStr HKLM "${ENV_KEY}" "Path" "$INSTDIR"
        ${Else}
            WriteRegExpandStr HKLM "${ENV_KEY}" "Path" "$0;$INSTDIR"
        ${EndIf}
        WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" 1
        SendMessage ${HWND_BROADCAST} ${WM_WININICHANGE} 0 "STR:Environment" /TIMEOUT=2000
    ${EndIf}
SectionEnd

LangString DESC_Program ${LANG_ENGLISH} "The desktop program kv310.exe, the command-line tool kv310ctl.exe, a Start-menu shortcut and the .dat file association."
LangString DESC_Path ${LANG_ENGLISH} "Lets a command prompt run kv310ctl from any folder."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $(DESC_Program)
    !insertmacro MUI_DESCRIPTION_TEXT ${SecPath} $(DESC_Path)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 == 1
        ReadRegStr $1 HKLM "${ENV_KEY}" "Path"
        ${UnStrRep} $1 ";$1;" ";$INSTDIR;" ";"
        ${UnStrRep} $1 "$1" ";;" ";"
        StrCpy $2 $1 1
        ${If} $2 == ";"
            StrCpy $1 $1 "" 1
        ${EndIf}
        StrCpy $2 $1 1 -1
        ${If} $2 == ";"
            StrCpy $1 $1 -1
        ${EndIf}
        WriteRegExpandStr HKLM "${ENV_KEY}" "Path" $1
        SendMessage ${HWND_BROADCAST} ${WM_WININICHANGE} 0 "STR:Environment" /TIMEOUT=2000
    ${EndIf}

    ; the extension goes back to whoever had it, if it is still ours
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    ${If} $0 == "${PROG_ID}"
        ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "PreviousDatClass"
        ${If} $1 == ""
            DeleteRegValue HKLM "Software\Classes\.dat" ""
        ${Else}
            WriteRegStr HKLM "Software\Classes\.dat" "" $1
        ${EndIf}
    ${EndIf}
    DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.dat\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "Software\Classes\.dat"
    DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"
    ; only what was installed: the user's plans, port file and backups live elsewhere
    Delete "$INSTDIR\kv310.exe"
    Delete "$INSTDIR\kv310ctl.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
