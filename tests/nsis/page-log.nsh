; For the installer tests: every page the wizard opens appends its name to PAGE_LOG, and
; every end of the survey appends "survey RESULT".
!macro LOG_LINE TEXT
  Push $0
  FileOpen $0 "${PAGE_LOG}" a
  FileSeek $0 0 END
  FileWrite $0 "${TEXT}$\r$\n"
  FileClose $0
  Pop $0
!macroend

; Modern UI: called before the page it precedes; NAME becomes the page's pre function.
!macro LOG_PAGE NAME
  Function LogPage.${NAME}
    !insertmacro LOG_LINE "${NAME}"
  FunctionEnd
  !define MUI_PAGE_CUSTOMFUNCTION_PRE LogPage.${NAME}
!macroend

; Classic pages name their pre function themselves.
!macro LOG_FUNCTION NAME
  Function LogPage.${NAME}
    !insertmacro LOG_LINE "${NAME}"
  FunctionEnd
!macroend

Function LogSurvey
  !insertmacro LOG_LINE "survey $SurveyResult"
FunctionEnd
