#pragma once
// Resource ids of frmHardDriveExplorer. optWhat takes a base id plus the
// element index, which is the action's index (0 to 5).
#define IDD_FRMHARDDRIVEEXPLORER 5100
#define IDC_HD_DRVFILES 5101
#define IDC_HD_DIRFILES 5102
#define IDC_HD_FILFILES 5103
#define IDC_HD_LBLFILTER 5104
#define IDC_HD_TXTFILTER 5105
#define IDC_HD_LBLPATHLABEL 5106
#define IDC_HD_LBLPATH 5107
#define IDC_HD_FRAME1 5108
#define IDC_HD_TXTOPENWITH 5109
#define IDC_HD_CMDDO 5110
#define IDC_HD_CMDEXIT 5111
#define IDC_HD_OPTWHAT_BASE 5120
