; The setup program of KVB for 64-bit Windows, made by packaging/windows/build
; with NSIS from an installation of the Windows build:
;
;   makensis -DSTAGE=<installation> -DBUILD=<build folder> -DOUTFILE=<setup.exe> kvb.nsi
;
; It puts the program, with everything it loads, into Program Files\Tarn\KVB,
; the catalogues into the data folder that the program reads (Tarn\CustomData\
; RegData in the common files folder that the registry names), and a Start
; menu entry. "/S" installs and uninstalls without a question. The uninstaller
; removes what the setup program put in place and leaves the users' records.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"
!include "${BUILD}\version.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KVB"
!define ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
!define USERS_SID "*S-1-5-32-545"

Name "KVB"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarn\KVB"
RequestExecutionLevel admin
BrandingText "Tarn KVB ${KVB_VERSION}"

VIProductVersion "${KVB_FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "KVB"
VIAddVersionKey /LANG=1033 "CompanyName" "Tarn"
VIAddVersionKey /LANG=1033 "FileDescription" "KVB Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${KVB_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${KVB_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Tarn"

!define MUI_ICON "${STAGE}\bin\kvb.ico"
!define MUI_UNICON "${STAGE}\bin\kvb.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kvb.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start KVB"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var DataFolder

; The data folder as the program finds it: in the first common files folder
; that the registry names, else at the root of the program's drive.
!macro FindDataFolder un
Function ${un}FindDataFolder
    ReadRegStr $0 HKLM "Software\Microsoft\Windows\CurrentVersion" "CommonFilesDir (x86)"
    ${If} $0 == ""
        ReadRegStr $0 HKLM "Software\Microsoft\Windows\CurrentVersion" "CommonFilesDir"
    ${EndIf}
    ExpandEnvStrings $0 $0
    ${If} $0 == ""
        StrCpy $0 $INSTDIR 2
    ${EndIf}
    StrCpy $DataFolder "$0\Tarn\CustomData\RegData"
FunctionEnd
!macroend
!insertmacro FindDataFolder ""
!insertmacro FindDataFolder "un."

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "KVB"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\bin\*.*"

    Call FindDataFolder
    CreateDirectory "$DataFolder"
    SetOutPath "$DataFolder"
    File "${STAGE}\share\Tarn\CustomData\RegData\RegMaster.xml"
    File "${STAGE}\share\Tarn\CustomData\RegData\RegReseller.xml"
    ; Every user saves their record here, which below Program Files only
    ; administrators could otherwise do.
    nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$DataFolder" /grant ${USERS_SID}:(OI)(CI)M'
    Pop $0
    ${If} $0 != 0
        DetailPrint "The Users group could not be given the right to change $DataFolder ($0)."
    ${EndIf}

    ; The stand-in engine finds its country data through this variable.
    WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "QUILL_ISO_CODES_DIR" "$INSTDIR\iso-codes"
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000

    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\KVB.lnk" "$INSTDIR\kvb.exe" "" "$INSTDIR\kvb.ico" 0 \
        SW_SHOWNORMAL "" "Product Registration"

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "KVB"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${KVB_VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tarn"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kvb.ico"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; Only the files the setup program put there, so that nothing else in a
    ; folder chosen for the program is lost.
    !include "${BUILD}\uninstall-files.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "$INSTDIR\.."

    ; The catalogues go; the users' records (RegInfo.xml, Registered.txt)
    ; stay, and so do the folders that hold them.
    Call un.FindDataFolder
    Delete "$DataFolder\RegMaster.xml"
    Delete "$DataFolder\RegReseller.xml"
    RMDir "$DataFolder"
    RMDir "$DataFolder\.."
    RMDir "$DataFolder\..\.."

    Delete "$SMPROGRAMS\KVB.lnk"
    DeleteRegValue HKLM "${ENVIRONMENT_KEY}" "QUILL_ISO_CODES_DIR"
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
