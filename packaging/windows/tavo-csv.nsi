; The Windows installer of Create CSV File for TAVO, made by scripts/windows with
;   makensis -DVERSION=5.0 -DFILES=<folder of the program's files> -DOUTFILE=<setup.exe> tavo-csv.nsi
; It installs for every user of the machine into Program Files, with a Start menu entry and an
; uninstaller listed in Apps & features; /S installs (and uninstalls) without a question.
;
; The program writes its working file and the report into the folder it starts in, and Program
; Files is not writable. So the Start menu entry runs the starter tavo-csv-start.exe, which starts
; tavo-csv in "TAVO Reports" in the Documents of whoever starts it, made there on the first start.
; Each user of the machine gets a folder of their own, also one who never ran the installer.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define NAME "Create CSV File for TAVO"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\tavo-csv"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\TAVO CSV"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    File /r "${FILES}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The working folder of the shortcut does not matter: the starter chooses tavo-csv's.
    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\tavo-csv-start.exe" "" \
        "$INSTDIR\tavo-csv.exe" 0 SW_SHOWNORMAL "" "Prepares the quarterly UC tax report for TAVO"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Veloria UC filing tools"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavo-csv.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "${SIZE_KB}"
SectionEnd

; Removes what the installer put there and nothing else: the reports in the users' Documents stay.
Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
