#pragma once
// Resource ids of frmHideShowWindow.
#define IDD_FRMHIDESHOWWINDOW 5300
#define IDC_HS_LABEL1 5301
#define IDC_HS_LSTVISIBLEWINDOWS 5302
#define IDC_HS_LABEL2 5303
#define IDC_HS_LSTHIDDENWINDOWS 5304
#define IDC_HS_CMDHIDE 5305
#define IDC_HS_CMDSHOW 5306
#define IDC_HS_CMDEXIT 5307
// lblUpdate, the refresh timer
#define IDT_HS_LBLUPDATE 1
