/* Resource identifiers shared by the page templates, the string table and the code. */
#ifndef SURVEY_RESOURCE_H
#define SURVEY_RESOURCE_H

/* Page dialog templates */
#define IDD_PAGE1 630
#define IDD_PAGE2 631
#define IDD_PAGE3 632

/* Commands and the picture strip, shared by all three pages (IDOK 1 is Next, IDCANCEL 2
   is Register Later) */
#define ID_BACK   888
#define IDC_PANEL 509

#endif
