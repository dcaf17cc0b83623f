; A classic-UI installer (no Modern UI) for the tests: the survey is its first page, or
; with SURVEY_LAST its last, after the installation.
!ifndef UNICODE_INSTALLER
  Unicode false
!else
  Unicode true
!endif
Target ${TARGET}
Name "Atlas"
OutFile "${OUTFILE}"
InstallDir "$TEMP\Atlas classic"
RequestExecutionLevel user
ShowInstDetails show

!define SURVEY_DLL "${SURVEY_DLL_PATH}"
!define SURVEY_ANSWERS_FILE "${ANSWERS_FILE}"
!define SURVEY_PRODUCT_TITLE "Atlas"
!define SURVEY_ON_RESULT LogSurvey
!include "Survey.nsh"
!include "page-log.nsh"

!ifndef SURVEY_LAST
  !insertmacro SURVEY_PAGE
!endif
Page directory LogPage.directory
Page instfiles LogPage.instfiles
!ifdef SURVEY_LAST
  !insertmacro SURVEY_PAGE
!endif

!insertmacro LOG_FUNCTION directory
!insertmacro LOG_FUNCTION instfiles

Section "Atlas"
  SetOutPath "$INSTDIR"
  !insertmacro SURVEY_LOG
SectionEnd
