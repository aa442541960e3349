; The Korvane installer: per user, no administrator rights.
;   makensis -DIDENTITY=identity.nsh -DFILES=files.nsh -DUNFILES=unfiles.nsh
;            -DOUTFILE=<setup.exe> korvane.nsi
; files.nsh and unfiles.nsh list the portable folder's files (File lines;
; Delete and RMDir lines), so that uninstalling removes exactly what
; installing put there. identity.nsh names languages.nsh, which the build
; writes from the language catalogues.

; A 64-bit installer for a 64-bit program.
Target amd64-unicode
!include "${IDENTITY}"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinVer.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer's languages, English first, and its messages in each, from
; the program's catalogues; it speaks Windows' display language where it can.
!include "${LANGUAGES}"

; A running Korvane holds its files: Windows neither replaces nor deletes
; them. Every running copy holds the mutex "Local\RUNNING_MUTEX.<user name>"
; (platform/windows_running_copy_mark.cpp). While it exists the user is asked
; to close Korvane; a silent run ends at once with status 2, changing nothing.
!macro WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
  System::Call 'advapi32::GetUserNameW(w .r1, *i ${NSIS_MAX_STRLEN}) i .r0'
  retry:
    ; SYNCHRONIZE is all it takes to open it; NULL means no copy runs.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\${RUNNING_MUTEX}.$1") p .r0'
    ${If} $0 P= 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    ${IfNot} ${Silent}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(InstallerRunning)" IDRETRY retry
    ${EndIf}
    SetErrorLevel 2
    !if "${un}" == "un."
      Call un.RemoveOwnCopyOnceEnded
    !endif
    Quit
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

; Qt 6.8, which Korvane is built with, runs on Windows 10 version 1809
; (build 17763) and later. An older Windows is told so, and nothing is
; installed; a silent run ends with status 3.
Function .onInit
  SetShellVarContext current
  ${IfNot} ${AtLeastBuild} 17763
    MessageBox MB_OK|MB_ICONSTOP "$(InstallerOldWindows)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  Call WaitUntilClosed
FunctionEnd

Function un.onInit
  SetShellVarContext current
  Call un.WaitUntilClosed
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  ; The current user's "Apps & features" entry.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Folders go only once empty, so nothing the user put there is lost.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The program's one setting (the date of the last update reminder) exists
  ; only for this program and only for this user.
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

; NSIS runs the uninstaller from a copy of itself, $TEMP\~nsuN.tmp\Un.exe,
; and asks Windows to delete it at the next restart; that request needs
; administrator rights, which a per-user uninstall lacks, so the copy would
; stay. A hidden command prompt removes the folder once this copy has ended:
; it tries, and while the folder is still there waits a second (ping) and
; tries again, ten tries in all. It is a chain, not a loop, because cmd's
; "for" bodies do not parse alike everywhere (Wine's end at the first "&").
; The folder goes by its full path, handed over in a variable: Wine's
; "rd /s" empties a folder named relatively but leaves the folder itself.
Function un.RemoveOwnCopyOnceEnded
  StrCpy $0 "$TEMP\~nsu"
  StrLen $1 $0
  StrCpy $2 $EXEDIR $1
  ; Started in place (with _?=), there is no copy to remove.
  ${If} $2 != $0
    Return
  ${EndIf}
  System::Call 'kernel32::SetEnvironmentVariableW(w "KORVANE_COPY", w "$EXEDIR") i .r0'
  StrCpy $3 'rd /s /q "%KORVANE_COPY%" 2>nul'
  ${For} $4 2 10
    StrCpy $3 '$3 & if exist "%KORVANE_COPY%" ping -n 2 127.0.0.1 >nul & rd /s /q "%KORVANE_COPY%" 2>nul'
  ${Next}
  ; The command prompt and its console start in $TEMP, not in the folder
  ; they are to remove (this copy's working folder).
  SetOutPath "$TEMP"
  ExecShell "open" "$SYSDIR\cmd.exe" '/d /q /c $3' SW_HIDE
FunctionEnd

Function un.onUninstSuccess
  Call un.RemoveOwnCopyOnceEnded
FunctionEnd
