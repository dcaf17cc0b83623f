// Resource identifiers of the sample host: its two wizard pages and their texts.
#pragma once

#define IDD_HOST_WELCOME        100
#define IDD_HOST_FINISH         101

// The page buttons carry the survey pages' identifiers: IDOK (1) Next or Finish,
// IDCANCEL (2) Cancel, and this one for Back.
#define IDC_HOST_BACK           888

#define IDC_HOST_HEADING       1001   // large first line, filled with the product title
#define IDC_HOST_TEXT          1002   // explanation below it, filled at run time
