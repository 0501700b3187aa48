; The Tessaline installer (setup.exe) and its uninstaller (uninstall.exe).
;
; Built by installer/make-setup.sh, which passes
;   VERSION   the program's version, read from src/app/AppIdentity.h
;   LISTS     the folder holding install-files.nsh and uninstall-files.nsh,
;             made from the installation image file by file
;   OUTFILE   where setup.exe goes
;   SIZE_KB   the size of the image, for "EstimatedSize"
;   ICON      the program's icon (src/app/win32/res/tessaline.ico)
;   TARGET    x86 (the 32-bit program, what ships) or amd64 (the 64-bit
;             build, installed into the 64-bit Program Files)
; and writes LISTS\identity.nsh with MUTEX, the name of the mutex the running
; program holds (kInstanceMutexName in src/app/AppIdentity.h).
;
; The program finds its shipped files in "%PROGRAMFILES%\Quillory\Tessaline"
; (as the program itself sees it: Program Files (x86) for the 32-bit one),
; so that is where everything goes: there is no folder page. The user's own
; files live in the application-data and documents folders, which neither
; the installer nor the uninstaller touches; installing over an older version
; replaces only the program and the shipped copies, and the program's first
; start of the new version copies what is new into the user's folders.
; Both run silently with /S.

!if "${TARGET}" == "amd64"
    Target amd64-unicode
    !define PROGRAM_FILES "$PROGRAMFILES64"
!else
    Target x86-unicode
    !define PROGRAM_FILES "$PROGRAMFILES"
!endif
; The installer is called setup.exe on purpose: that is the name users look for.
!pragma warning disable 9000
ManifestSupportedOS all
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${LISTS}\identity.nsh"

!define PRODUCT "Tessaline"
!define PUBLISHER "Quillory"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaline"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\Quillory\Tessaline"
BrandingText "${PUBLISHER} ${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tessaline.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; The files of a running program can be neither replaced nor removed: while
; it runs, the user is asked to end it first; a silent run, or a cancel, ends
; with error level 2 and nothing changed.
!macro WaitForTheProgramToEnd
    check:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${MUTEX}") p .r0'
    StrCmp $0 0 ended
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Tessaline が起動しています。Tessaline を終了してから「再試行」を押してください。" \
        /SD IDCANCEL IDRETRY check
    SetErrorLevel 2
    Abort
    ended:
!macroend

Function .onInit
    SetShellVarContext all
    !insertmacro WaitForTheProgramToEnd
FunctionEnd

Function un.onInit
    SetShellVarContext all
    !insertmacro WaitForTheProgramToEnd
FunctionEnd

Section "Tessaline"
    SetOutPath "$INSTDIR"
    !include "${LISTS}\install-files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\Tessaline"
    CreateShortcut "$SMPROGRAMS\Tessaline\Tessaline.lnk" "$INSTDIR\tessaline.exe"
    CreateShortcut "$SMPROGRAMS\Tessaline\Tessaline のアンインストール.lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tessaline.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; Only what the installer put there, file by file; a folder goes only
    ; when it is empty afterwards.
    !include "${LISTS}\uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "${PROGRAM_FILES}\Quillory"

    Delete "$SMPROGRAMS\Tessaline\Tessaline.lnk"
    Delete "$SMPROGRAMS\Tessaline\Tessaline のアンインストール.lnk"
    RMDir "$SMPROGRAMS\Tessaline"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
