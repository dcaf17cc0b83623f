; A classic-UI installer (no Modern UI) whose first page is the survey, for the tests.
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

!insertmacro SURVEY_PAGE
Page directory LogPage.directory
Page instfiles LogPage.instfiles

!insertmacro LOG_FUNCTION directory
!insertmacro LOG_FUNCTION instfiles

Section "Atlas"
  SetOutPath "$INSTDIR"
  !insertmacro SURVEY_LOG
SectionEnd
