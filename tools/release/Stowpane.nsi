; The installer: per user, no administrator rights, in Japanese.
; The build defines VERSION (3.0.0), VERSION4 (3.0.0.0), STAGE (the staged
; release folder), ICON and OUTFILE (cmake/Release.cmake).
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Stowpane"
!define SETTINGS_KEY "Software\Quillon\Stowpane"
; What the program puts into the Startup folder when the user starts it.
!define STARTUP_SHORTCUT "Stowpane(システムトレイに常駐).lnk"

Name "Stowpane ${VERSION}"
OutFile "${OUTFILE}"
; The user's own programs folder: no rights beyond the user's are needed.
InstallDir "$LOCALAPPDATA\Programs\Stowpane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quillon"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1041 "ProductName" "Stowpane"
VIAddVersionKey /LANG=1041 "CompanyName" "Quillon"
VIAddVersionKey /LANG=1041 "FileDescription" "Stowpane ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION4}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "© Quillon"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Stowpane ${VERSION} へようこそ"
!define MUI_WELCOMEPAGE_TEXT "Stowpane ${VERSION} をこのコンピューターのあなたのユーザーにインストールします。$\r$\n$\r$\nStowpane はほかのプログラムのウィンドウを通知領域 (タスクトレイ) にしまうユーティリティです。$\r$\n$\r$\n管理者の権限は要りません。Stowpane が動いているときは、しまってあるウィンドウをすべて元に戻してから終了させます。$\r$\n$\r$\n[次へ] をクリックして続けてください。"
; The stock Japanese captions of these two buttons and of the uninstaller's
; folder label are wider than their controls.
InstallButtonText "インストール"
UninstallButtonText "削除(&U)"
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "削除元:"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Stowpane ${VERSION} を次のフォルダから削除します。動いている Stowpane は、しまってあるウィンドウをすべて元に戻してから終了させます。[削除] をクリックして始めてください。"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Stowpane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Stowpane を起動する"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\manual\manual.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "マニュアルを開く"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; A running copy is ended through the program itself ("/exit"): it gives every
; stored window back, and the program waits until the copy's process has
; ended, so its files can be replaced. $0 is the program to run.
!macro EndRunningCopy UN
Function ${UN}EndRunningCopy
  retry:
    ExecWait '"$0" /exit' $1
    ${If} $1 == 0
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "動いている Stowpane を終了できませんでした。$\r$\nStowpane の質問に答えるか、タスクトレイのアイコンから終了してから [再試行] を押してください。" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
FunctionEnd
!macroend
!insertmacro EndRunningCopy ""
!insertmacro EndRunningCopy "un."

Section "Stowpane"
  ; The new program ends the old copy: an old copy cannot be relied on to
  ; be there, the new one is.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\Stowpane.exe" "${STAGE}\Stowpane.exe"
  StrCpy $0 "$PLUGINSDIR\Stowpane.exe"
  Call EndRunningCopy

  SetOutPath "$INSTDIR"
  File "${STAGE}\Stowpane.exe"
  File "${STAGE}\readme.txt"
  File "${STAGE}\LICENSE.txt"
  ; Pictures an older manual showed must not stay behind.
  RMDir /r "$INSTDIR\manual"
  SetOutPath "$INSTDIR\manual"
  File "${STAGE}\manual\*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext current
  CreateShortcut "$SMPROGRAMS\Stowpane.lnk" "$INSTDIR\Stowpane.exe" "" "$INSTDIR\Stowpane.exe" 0 SW_SHOWNORMAL "" "ウィンドウをタスクトレイにしまいます"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Stowpane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quillon"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Stowpane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  IntFmt $1 "0x%08X" $1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

Section "Uninstall"
  ${If} ${FileExists} "$INSTDIR\Stowpane.exe"
    StrCpy $0 "$INSTDIR\Stowpane.exe"
    Call un.EndRunningCopy
  ${EndIf}

  Delete "$INSTDIR\Stowpane.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir /r "$INSTDIR\manual"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext current
  Delete "$SMPROGRAMS\Stowpane.lnk"
  Delete "$SMSTARTUP\${STARTUP_SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The settings stay unless the user says otherwise; a silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Stowpane の設定 (自動アイコン化のタイトル、ウィンドウの位置など) も削除しますか？$\r$\n$\r$\n[いいえ] を選ぶと設定は残り、再びインストールしたときに使われます。" /SD IDNO IDNO keep
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Quillon"
  keep:
SectionEnd
