/* Resource identifiers shared by the page templates, the string table and the code.
   Plain #defines only: windres reads this file too. Control identifiers are unique within
   a page, not across pages (466 is a list on page 1 and a check box on page 2). */
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

/* Labels and group boxes that nothing refers to */
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Page 1: purchase and usage. Three drop-down lists ... */
#define IDC_PURCHASE_PLACE 466
#define IDC_PRIMARY_USE    492
#define IDC_KIDS_SOFTWARE  494

/* ... and the peripheral check boxes, in template order */
#define IDC_PERIPH_3D_ACCEL       495
#define IDC_PERIPH_EXT_STORAGE    496
#define IDC_PERIPH_BW_LASER       497
#define IDC_PERIPH_BW_INKJET      498
#define IDC_PERIPH_COLOR_LASER    499
#define IDC_PERIPH_COLOR_INKJET   500
#define IDC_PERIPH_JOYSTICK       501
#define IDC_PERIPH_VIDEO_CAMERA   502
#define IDC_PERIPH_DIGITAL_CAMERA 503
#define IDC_PERIPH_DVD            504
#define IDC_PERIPH_ISDN           505
#define IDC_PERIPH_PEN_TABLET     506
#define IDC_PERIPH_SCANNER        507
#define IDC_PERIPH_DONT_KNOW      508

/* Page 2: products owned, in template order (left column, then right column). The two
   sign makers are editions of one product and share its answer code. */
#define IDC_PRODUCT_PRINT_STUDIO   462
#define IDC_PRODUCT_CARD_DESIGNER  463
#define IDC_PRODUCT_HOME_PUBLISHER 490
#define IDC_PRODUCT_BANNERS        472
#define IDC_PRODUCT_BROCHURE_KIT   491
#define IDC_PRODUCT_HOME_PRESS     464
#define IDC_PRODUCT_NEWSLETTERS    466
#define IDC_PRODUCT_LABELS         468
#define IDC_PRODUCT_CRAFTS         470
#define IDC_PRODUCT_SCRAPBOOK      473
#define IDC_PRODUCT_PHOTO_PRINT    475
#define IDC_PRODUCT_INVITATIONS    465
#define IDC_PRODUCT_POSTERS        467
#define IDC_PRODUCT_CALENDARS      469
#define IDC_PRODUCT_STATIONERY     471
#define IDC_PRODUCT_SIGNS          474
#define IDC_PRODUCT_FAMILY_ALBUM   476
#define IDC_PRODUCT_CARD_SHOP      478
#define IDC_PRODUCT_SIGNS_DELUXE   477

/* Page 2: features used most (there is no 483) */
#define IDC_FEATURE_GREETING_CARDS  481
#define IDC_FEATURE_BANNERS         482
#define IDC_FEATURE_BROCHURES       484
#define IDC_FEATURE_EMAIL_GREETINGS 485
#define IDC_FEATURE_NEWSLETTERS     486
#define IDC_FEATURE_WEB_PAGES       487
#define IDC_FEATURE_PHOTO_EDITING   488
#define IDC_FEATURE_GRAPHICS        489

/* Page 3: subjects of interest; their codes follow these numbers, not the layout */
#define IDC_INTEREST_PRINTING    401
#define IDC_INTEREST_GENEALOGY   402
#define IDC_INTEREST_CHILDREN    403
#define IDC_INTEREST_HOME_DESIGN 404
#define IDC_INTEREST_COOKING     405
#define IDC_INTEREST_GAMES       406

/* Page 3: may information be shared (option buttons) */
#define IDC_SHARE_YES 407
#define IDC_SHARE_NO  408

/* String table: the entries of page 1's drop-down lists. String 1, a blank, heads every
   list as "no answer". */
#define IDS_BLANK           1
#define IDS_PLACE_PHONE     2
#define IDS_PLACE_INTERNET  3
#define IDS_PLACE_MAIL      4
#define IDS_SELLER_1        5
#define IDS_SELLER_2        6
#define IDS_SELLER_3        7
#define IDS_SELLER_4        8
#define IDS_SELLER_5        9
#define IDS_SELLER_6        10
#define IDS_SELLER_7        11
#define IDS_SELLER_8        12
#define IDS_SELLER_9        13
#define IDS_SELLER_10       14
#define IDS_SELLER_11       15
#define IDS_SELLER_12       16
#define IDS_SELLER_13       17
#define IDS_SELLER_14       18
#define IDS_SELLER_15       19
#define IDS_SELLER_16       20
#define IDS_PLACE_CATALOG   21
#define IDS_PLACE_OTHER     22
#define IDS_USE_BUSINESS    23
#define IDS_USE_COMMUNITY   24
#define IDS_USE_HOME        25
#define IDS_USE_HOME_OFFICE 26
#define IDS_USE_SCHOOL      27
#define IDS_USE_OTHER       28
#define IDS_USE_HOME_AND_BUSINESS 29
#define IDS_KIDS_YES        30
#define IDS_KIDS_NO         31

#endif
