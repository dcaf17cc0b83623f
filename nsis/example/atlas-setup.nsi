; atlas-setup.nsi: an example installer that puts the survey between its welcome page and
; its directory page (Modern UI 2), with the picture strip. Build it with
;   makensis -DSURVEY_DLL_PATH=path\to\survey.dll atlas-setup.nsi
; The lines that add the survey are marked "survey".
Unicode true
!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}
Name "Atlas"
OutFile "${OUTFILE}"
InstallDir "$TEMP\Atlas"
RequestExecutionLevel user

!include MUI2.nsh

!define SURVEY_DLL "${SURVEY_DLL_PATH}"                                      ; survey
!ifndef ANSWERS_FILE
  !define ANSWERS_FILE "$APPDATA\Atlas registration.ini"
!endif
!define SURVEY_ANSWERS_FILE "${ANSWERS_FILE}"                                ; survey
!define SURVEY_PRODUCT_TITLE "Atlas"                                         ; survey
!define SURVEY_PANEL_SETTINGS "$PLUGINSDIR\panel.ini"                        ; survey
!ifdef PAGE_LOG
  !define SURVEY_ON_RESULT LogSurvey
!endif
!include "Survey.nsh"                                                        ; survey

; The tests build this installer with PAGE_LOG: each page writes its name to a log.
!ifdef PAGE_LOG
  !include "page-log.nsh"
!else
  !macro LOG_PAGE NAME
  !macroend
!endif

!insertmacro LOG_PAGE welcome
!insertmacro MUI_PAGE_WELCOME
!insertmacro SURVEY_PAGE                                                     ; survey
!insertmacro LOG_PAGE directory
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro LOG_PAGE instfiles
!insertmacro MUI_PAGE_INSTFILES
!insertmacro LOG_PAGE finish
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; The picture strip: its picture and settings beside the installer's own files.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\strip.bmp" "${STRIP_BMP}"
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap activate 1
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap display 1
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap "bitmap file" "$PLUGINSDIR\strip.bmp"
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap "fill background" 1
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap "red index" 255
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap "green index" 255
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap "blue index" 255
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap horizontal CENTERED
  WriteINIStr "$PLUGINSDIR\panel.ini" bitmap vertical CENTERED
FunctionEnd

Section "Atlas"
  SetOutPath "$INSTDIR"
  !insertmacro SURVEY_LOG                                                    ; survey
  FileOpen $0 "$INSTDIR\readme.txt" w
  FileWrite $0 "Atlas is installed."
  FileClose $0
SectionEnd
