// Resource numbers shared by the .rc files and the code.
#pragma once

#define TBR_IDI_APPLICATION 1  // the program's and the main window's icon (lowest number)
#define TBR_IDI_CREATE 2       // the main window's create button
#define TBR_IDI_EDIT 3         // the main window's edit button
// Each icon holds its picture at several sizes; LoadImage picks the one for a DPI.
#define TBR_IDB_BANNER 4     // the main window's banner
#define TBR_IDB_BANNER_2X 5  // the same banner drawn at twice the size, for 192 DPI
