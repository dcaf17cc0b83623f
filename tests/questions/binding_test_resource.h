/* Identifiers of the binding test dialog and its string table. */
#ifndef BINDING_TEST_RESOURCE_H
#define BINDING_TEST_RESOURCE_H

#define IDD_BINDING_TEST 100

/* Check boxes, with the identifiers and codes a page might give them */
#define IDC_BOX_0  495
#define IDC_BOX_7  496
#define IDC_BOX_2  497
#define IDC_BOX_12 507
#define IDC_BOX_13 474
#define IDC_BOX_13_AGAIN 477
#define IDC_BOX_OTHER_KIND 800

/* One group of option buttons */
#define IDC_OPTION_0 407
#define IDC_OPTION_1 408
#define IDC_OPTION_X 409

/* A drop-down list and three text fields */
#define IDC_LIST 466
#define IDC_FIELD_1 701
#define IDC_FIELD_2 702
#define IDC_FIELD_3 703

/* List entry texts; no system module has strings with these numbers */
#define IDS_BLANK   4001
#define IDS_ZERO    4002
#define IDS_ONE     4003
#define IDS_LETTER  4004
#define IDS_LONG    4005
#define IDS_MARK    4006

#endif
