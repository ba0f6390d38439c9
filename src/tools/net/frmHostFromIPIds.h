#pragma once
// Resource ids of frmHostFromIP.
#define IDD_FRMHOSTFROMIP 3300
#define IDC_HI_LABEL1 3301
#define IDC_HI_TXTIPADDR 3302
#define IDC_HI_LBLHOSTNAME 3303
#define IDC_HI_CMDGETHOST 3304
#define IDC_HI_CMDEXIT 3305
