/*
Survey.nsh: puts survey.dll's three-page survey between two pages of an NSIS wizard
(Modern UI 2 or classic, Unicode or ANSI installer).

    !define SURVEY_DLL "path\to\survey.dll"          ; where makensis finds it
    !define SURVEY_ANSWERS_FILE "$APPDATA\Atlas\registration.ini"  ; a full path
    !define SURVEY_PRODUCT_TITLE "Atlas"
    !define SURVEY_SECTION "Survey"                  ; optional, "Survey" by default
    !define SURVEY_PANEL_SETTINGS "$PLUGINSDIR\panel.ini"  ; optional picture strip settings
    !include "Survey.nsh"

    !insertmacro MUI_PAGE_WELCOME
    !insertmacro SURVEY_PAGE
    !insertmacro MUI_PAGE_DIRECTORY

The survey starts at its first page when the user arrives from the page before and at
its last page when the user comes back from the page after. When it ends, the wizard
moves on as the result says:
    1    Next on the last survey page: on to the next page
    888  Back on the first survey page: back to the page before (or, where there is no
         page to go back to, on to the next page)
    2    Register Later, or a survey page was closed: on to the next page, nothing more
         is stored
    -1, 0, or the DLL could not be loaded: on to the next page; the failure is written to
         the installer's details and kept in $SurveyMessage
An installation is never held up by its survey. After the survey $SurveyResult holds the
raw result ("error" when the DLL could not be called) and $SurveyMessage says what it
means; !insertmacro SURVEY_LOG in a section writes that message to the details view, and
a function named by SURVEY_ON_RESULT, when defined, is called each time the survey ends.
*/
!ifndef SURVEY_NSH_INCLUDED
!define SURVEY_NSH_INCLUDED

!include LogicLib.nsh

!ifndef SURVEY_SECTION
  !define SURVEY_SECTION "Survey"
!endif
!ifndef SURVEY_PANEL_SETTINGS
  !define SURVEY_PANEL_SETTINGS ""
!endif
!ifndef SURVEY_PRODUCT_TITLE
  !define SURVEY_PRODUCT_TITLE ""
!endif

; The host block's layout: four ANSI strings at fixed offsets, 2476 bytes in all.
!define SURVEY_BLOCK_SIZE 2476
; The outer window's "go to a page relative to this one" notification.
!define SURVEY_GOTO_PAGE 0x408

Var SurveyResult
Var SurveyMessage
Var Survey.Arrival     ; 1 from the page before, 2 from the page after
Var Survey.PassOn      ; 1 while the survey page is to be passed by, moving forward

!macro SURVEY_PAGE
  !ifdef SURVEY_PAGE_INSERTED
    !error "Survey.nsh: SURVEY_PAGE can be inserted once"
  !endif
  !define SURVEY_PAGE_INSERTED
  !ifndef SURVEY_DLL
    !error "Survey.nsh: define SURVEY_DLL, the path of survey.dll, before SURVEY_PAGE"
  !endif
  !ifndef SURVEY_ANSWERS_FILE
    !error "Survey.nsh: define SURVEY_ANSWERS_FILE, the full path of the answers file"
  !endif
  ; Two pages that are never shown mark the way into the survey: the one passed last
  ; tells which side the user came from.
  Page custom Survey.EnterFromBefore
  Page custom Survey.Run
  Page custom Survey.EnterFromAfter

  Function Survey.EnterFromBefore
    Push $0
    ${If} $Survey.Arrival == "back"
      ; Leaving the survey backwards. With no page before this one (Back disabled here),
      ; going on backwards would end the installer: pass the survey by forwards instead.
      StrCpy $Survey.Arrival 1
      GetDlgItem $0 $HWNDPARENT 3
      System::Call "user32::IsWindowEnabled(p r0) i .r0"
      ${If} $0 == 0
        StrCpy $Survey.PassOn 1
        SendMessage $HWNDPARENT ${SURVEY_GOTO_PAGE} 1 0
      ${EndIf}
    ${Else}
      StrCpy $Survey.Arrival 1
    ${EndIf}
    Pop $0
  FunctionEnd

  Function Survey.EnterFromAfter
    StrCpy $Survey.Arrival 2
  FunctionEnd

  Function Survey.Run
    ${If} $Survey.PassOn == 1
      StrCpy $Survey.PassOn 0
      SendMessage $HWNDPARENT ${SURVEY_GOTO_PAGE} 1 0
      Return
    ${EndIf}
    Push $0
    Push $1
    Push $2
    InitPluginsDir
    File "/oname=$PLUGINSDIR\survey.dll" "${SURVEY_DLL}"
    ; The block, zero-filled, its strings ANSI whatever the installer's character set.
    System::Alloc ${SURVEY_BLOCK_SIZE}
    Pop $1
    System::Call "*$1(&m260 '${SURVEY_PANEL_SETTINGS}', &m1044 '${SURVEY_ANSWERS_FILE}', &m912 '${SURVEY_PRODUCT_TITLE}', &m260 '${SURVEY_SECTION}')"
    System::Call "$PLUGINSDIR\survey.dll::DoSurveyV2(i 0, p $HWNDPARENT, i $Survey.Arrival, p r1) i .r2 ?u"
    System::Free $1
    StrCpy $SurveyResult $2
    ${Select} $2
      ${Case} 1
        StrCpy $SurveyMessage "survey: answered"
        StrCpy $0 1
      ${Case} 888
        StrCpy $SurveyMessage "survey: back to the page before"
        StrCpy $Survey.Arrival "back"
        StrCpy $0 -1
      ${Case} 2
        StrCpy $SurveyMessage "survey: register later"
        StrCpy $0 1
      ${Case} 0
        StrCpy $SurveyMessage "survey: failed: the installer window was refused as the pages' owner (0)"
        StrCpy $0 1
      ${Case} -1
        StrCpy $SurveyMessage "survey: failed: a survey page could not be shown (-1)"
        StrCpy $0 1
      ${CaseElse}
        StrCpy $SurveyMessage "survey: failed: survey.dll could not be called ($2)"
        StrCpy $0 1
    ${EndSelect}
    DetailPrint $SurveyMessage
    !ifdef SURVEY_ON_RESULT
      Call ${SURVEY_ON_RESULT}
    !endif
    SendMessage $HWNDPARENT ${SURVEY_GOTO_PAGE} $0 0
    Pop $2
    Pop $1
    Pop $0
  FunctionEnd
!macroend

; Writes what the survey ended with to the installer's details view.
!macro SURVEY_LOG
  ${If} $SurveyMessage != ""
    DetailPrint $SurveyMessage
  ${EndIf}
!macroend

!endif
