; The Windows installer of the spelling control: the 64-bit and 32-bit controls, the default
; dictionaries, the help file and the sample application, for the current user only or for all
; users. The build defines:
;   VERSION     product version, e.g. 5.15.6
;   OUTFILE     the installer to write
;   BIN         the 64-bit build's bin folder (vantor.dll, dictionaries, vantordlg.chm, ...)
;   DLL32       the 32-bit vantor.dll
;   SAMPLE      (optional) the sample application's folder in the bin folder's build: its exe
;               in BIN, its README.txt and sample.txt in SAMPLE
;   LANGUAGES   (optional) the generated components of the other languages' dictionaries
;
; Silent use: setup.exe /S [/CurrentUser | /AllUsers] [/Languages=CODE,CODE | /Languages=all]
;             [/D=folder]   (/D last, unquoted; codes as dict/languages.txt gives them)
; User dictionaries are user data: an install never overwrites them and an uninstall keeps them.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Vantor Spelling Control"
!define PUBLISHER "Fernhollow"
!define PRODUCT_KEY "Software\Fernhollow\Vantor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantor"
; Where an all-users installation keeps each user's dictionaries (the program folder is not
; writable for standard users); the control reads this value and seeds the folder.
!define USER_DICTIONARY_FOLDER "%APPDATA%\Vantor"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Vantor"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${PRODUCT_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${PRODUCT_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallFolder"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh
!include Sections.nsh
!include WordFunc.nsh

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  !insertmacro MULTIUSER_INIT
  !ifdef LANGUAGES
    Call SelectLanguagesFromCommandLine
  !endif
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; regsvr32 of the machine's own kind: the 64-bit one, or the 32-bit one under SysWOW64.
!macro Register DLL ARGUMENTS REGSVR
  ExecWait '"${REGSVR}" /s ${ARGUMENTS} "${DLL}"' $0
  ${If} $0 != 0
    DetailPrint "Registering ${DLL} failed ($0)"
    SetErrors
  ${EndIf}
!macroend

; The arguments that register, or with UNREGISTER = /u unregister, in the chosen mode: the
; classes root of the machine or of the current user.
!macro RegistrationArguments UNREGISTER VAR
  ${If} $MultiUser.InstallMode == "CurrentUser"
    StrCpy ${VAR} "${UNREGISTER} /n /i:user"
  ${Else}
    StrCpy ${VAR} "${UNREGISTER}"
  ${EndIf}
!macroend

Section "Control" SecControl
  SectionIn RO
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "${BIN}\vantor.dll"
  File /oname=vantor32.dll "${DLL32}"
  File "${BIN}\trovam.tlx"
  File "${BIN}\trovam2.clx"
  File "${BIN}\trovam.frq"
  File "${BIN}\vantordlg.chm"
  !ifdef SAMPLE
    File "${BIN}\vantor_pad.exe"
    File /oname=README-VantorPad.txt "${SAMPLE}\README.txt"
    File /oname=VantorPad-sample.txt "${SAMPLE}\sample.txt"
  !endif
  ; The user dictionaries may hold the user's own words by now: an existing one stays.
  SetOverwrite off
  File "${BIN}\userdic.tlx"
  File "${BIN}\correct.tlx"
  SetOverwrite on

  ${If} $MultiUser.InstallMode == "AllUsers"
    ; Both controls read the product key, each through its own view of the registry.
    SetRegView 64
    WriteRegExpandStr HKLM "${PRODUCT_KEY}" "UserDictionaryFolder" "${USER_DICTIONARY_FOLDER}"
    SetRegView 32
    WriteRegExpandStr HKLM "${PRODUCT_KEY}" "UserDictionaryFolder" "${USER_DICTIONARY_FOLDER}"
    SetRegView 64
  ${EndIf}

  ; The 32-bit control first: where the per-user classes are not kept apart for 32-bit programs
  ; (Wine), the 64-bit registration is the one that stays.
  !insertmacro RegistrationArguments "" $1
  ${If} ${FileExists} "$WINDIR\SysWOW64\regsvr32.exe"
    !insertmacro Register "$INSTDIR\vantor32.dll" $1 "$WINDIR\SysWOW64\regsvr32.exe"
  ${EndIf}
  !insertmacro Register "$INSTDIR\vantor.dll" $1 "$SYSDIR\regsvr32.exe"

  !ifdef SAMPLE
    CreateDirectory "$SMPROGRAMS\Vantor"
    CreateShortcut "$SMPROGRAMS\Vantor\Vantor Pad.lnk" "$INSTDIR\vantor_pad.exe"
  !endif
  CreateDirectory "$SMPROGRAMS\Vantor"
  CreateShortcut "$SMPROGRAMS\Vantor\Vantor help.lnk" "$INSTDIR\vantordlg.chm"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr SHCTX "${PRODUCT_KEY}" "InstallMode" $MultiUser.InstallMode
  WriteRegStr SHCTX "${PRODUCT_KEY}" "InstallFolder" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantor.dll"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
      '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
      '"$INSTDIR\uninstall.exe" /S /$MultiUser.InstallMode'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!ifdef LANGUAGES
SectionGroup "Other languages" SecLanguages
  !include "${LANGUAGES}"
SectionGroupEnd

; /Languages=CODE,CODE selects those languages' components, /Languages=all every one.
!macro SelectLanguage CODE SECTION
  ${If} $R1 == "all"
    !insertmacro SelectSection ${SECTION}
  ${Else}
    ClearErrors
    ${WordFind} ",$R1," ",${CODE}," "E#" $R2
    ${IfNot} ${Errors}
      !insertmacro SelectSection ${SECTION}
    ${EndIf}
  ${EndIf}
!macroend

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecControl} \
      "The 64-bit and 32-bit controls, American English, the help file and Vantor Pad"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecLanguages} \
      "Main dictionaries of other languages, installed beside the control"
  !insertmacro LanguageDescriptions
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function SelectLanguagesFromCommandLine
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/Languages=" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectLanguagesFromOptions
  ${EndIf}
FunctionEnd
!endif

Section "Uninstall"
  !insertmacro RegistrationArguments "/u" $1
  ${If} ${FileExists} "$WINDIR\SysWOW64\regsvr32.exe"
    !insertmacro Register "$INSTDIR\vantor32.dll" $1 "$WINDIR\SysWOW64\regsvr32.exe"
  ${EndIf}
  !insertmacro Register "$INSTDIR\vantor.dll" $1 "$SYSDIR\regsvr32.exe"

  Delete "$INSTDIR\vantor.dll"
  Delete "$INSTDIR\vantor32.dll"
  Delete "$INSTDIR\trovam.tlx"
  Delete "$INSTDIR\trovam2.clx"
  ; The other languages' dictionaries (trov<code>2.clx), whichever were chosen.
  Delete "$INSTDIR\trov??2.clx"
  Delete "$INSTDIR\trovam.frq"
  Delete "$INSTDIR\vantordlg.chm"
  Delete "$INSTDIR\vantor_pad.exe"
  Delete "$INSTDIR\README-VantorPad.txt"
  Delete "$INSTDIR\VantorPad-sample.txt"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Vantor\Vantor Pad.lnk"
  Delete "$SMPROGRAMS\Vantor\Vantor help.lnk"
  RMDir "$SMPROGRAMS\Vantor"

  ${If} $MultiUser.InstallMode == "AllUsers"
    ; Beside the program the user dictionaries are only the seeds each user's own copy came from.
    Delete "$INSTDIR\userdic.tlx"
    Delete "$INSTDIR\correct.tlx"
    SetRegView 32
    DeleteRegValue HKLM "${PRODUCT_KEY}" "UserDictionaryFolder"
    DeleteRegKey /ifempty HKLM "${PRODUCT_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Fernhollow"
    SetRegView 64
    DeleteRegValue HKLM "${PRODUCT_KEY}" "UserDictionaryFolder"
    StrCpy $2 "Each user's own dictionaries in ${USER_DICTIONARY_FOLDER} were kept."
  ${Else}
    StrCpy $2 "Your user dictionaries (userdic.tlx and correct.tlx) were kept in $INSTDIR."
  ${EndIf}
  RMDir "$INSTDIR"

  DeleteRegValue SHCTX "${PRODUCT_KEY}" "InstallMode"
  DeleteRegValue SHCTX "${PRODUCT_KEY}" "InstallFolder"
  DeleteRegKey /ifempty SHCTX "${PRODUCT_KEY}"
  DeleteRegKey /ifempty SHCTX "Software\Fernhollow"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DetailPrint $2
  MessageBox MB_OK|MB_ICONINFORMATION $2 /SD IDOK
SectionEnd
