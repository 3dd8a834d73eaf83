; The per-user installer of Lumivo. It needs no administrator rights: everything goes into the
; user's own program folder and the user's own part of the registry.
;
; makensis defines:
;   VERSION     the product version, such as 1.19
;   ARCH        x64 or x86: which Windows the programs were built for
;   PAYLOAD     an include file (made by the build) with the macros InstallPayload and
;               RemovePayload, which install and remove the programs and the help files
;   ICON        the product's icon
;   OUTFILE     the installer to write
;   END_PROGRAMS  EndPrograms.dll, which ends a running Manager and tray program
;   SIGN        tools/sign, which signs the uninstaller as it is written into the installer
;               (nothing without a certificate)

Unicode true
!if ${ARCH} == x64
    Target amd64-unicode
!else
    Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include "${PAYLOAD}"

!define PRODUCT "Lumivo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumivo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Lumivo Manager"
!define SETTINGS_KEY "Software\Lumivo Mapper"
!define SHORTCUT "$SMPROGRAMS\Lumivo Console.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!uninstfinalize '"${SIGN}" "%1"' = 0
InstallDir "$LOCALAPPDATA\Programs\Lumivo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup (${ARCH})"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WELCOME_TEXT)"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Lumivo Console.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(FINISH_RUN_TEXT)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer and the uninstaller speak the user's Windows display language where it is one of
; these, and the first one, English, otherwise. The MUI's own texts come with NSIS; the
; installer's own are in lang/, one file per language.
!macro Language MUI_NAME FILE
    !insertmacro MUI_LANGUAGE "${MUI_NAME}"
    !include /CHARSET=UTF8 "${__FILEDIR__}/lang/${FILE}.nsh"
!macroend
!insertmacro Language "English" en
!insertmacro Language "German" de
!insertmacro Language "French" fr
!insertmacro Language "Spanish" es

; A running tray program holds LMVTray.exe open, and a Manager that waits for a network holds
; "Lumivo Manager.exe" open for as long as it waits. The MSI package's custom action ends both, and
; the files are touched only once they have ended (or its bounded wait is over). The DLL stays
; loaded until FinishInstall: it holds the request to end for as long as the files change, then
; withdraws it and, given the folder of an install that ended a program, starts the tray program
; from there.
Var EndProgramsDll
!macro EndPrograms un
Function ${un}EndPrograms
    InitPluginsDir
    File "/oname=$PLUGINSDIR\EndPrograms.dll" "${END_PROGRAMS}"
    System::Call 'kernel32::LoadLibraryW(w "$PLUGINSDIR\EndPrograms.dll") p .r0'
    StrCpy $EndProgramsDll $0
    ${If} $0 P<> 0
        System::Call 'kernel32::GetProcAddress(p r0, m "EndProgramsAction") p .r1'
        ${If} $1 P<> 0
            System::Call '::$1(i 0) i'
        ${EndIf}
    ${EndIf}
FunctionEnd

Function ${un}FinishInstall ; $0: the installation's folder, or empty
    ${If} $EndProgramsDll P<> 0
        System::Call 'kernel32::GetProcAddress(p $EndProgramsDll, m "FinishInstall") p .r1'
        ${If} $1 P<> 0
            System::Call '::$1(w r0)'
        ${EndIf}
        System::Call 'kernel32::FreeLibrary(p $EndProgramsDll)'
        StrCpy $EndProgramsDll 0
    ${EndIf}
FunctionEnd
!macroend
!insertmacro EndPrograms ""
!insertmacro EndPrograms "un."

Section "Lumivo" SectionLumivo
    SectionIn RO
    SetShellVarContext current
    Call EndPrograms

    SetOutPath "$INSTDIR"
    !insertmacro InstallPayload
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The shortcut starts the Console in its own folder, where it finds the help files.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\Lumivo Console.exe" "" "$INSTDIR\Lumivo Console.exe" 0 \
        SW_SHOWNORMAL "" "$(SHORTCUT_DESCRIPTION)"

    ; This entry is what runs the Manager at logon.
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Lumivo Manager.exe"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Lumivo Manager.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    StrCpy $0 "$INSTDIR"
    Call FinishInstall
SectionEnd

; The user's settings stay unless the user asks for their removal: /REMOVESETTINGS on the command
; line, or "Yes" to the question (a silent uninstall answers "No").
Section "Uninstall"
    SetShellVarContext current
    Call un.EndPrograms

    !insertmacro RemovePayload
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    StrCpy $0 ""
    Call un.FinishInstall

    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${If} ${Errors}
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
            "$(REMOVE_SETTINGS_QUESTION)" \
            /SD IDNO IDNO keep_settings
    ${EndIf}
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    keep_settings:
SectionEnd
