#pragma once
// Resource ids of frmFilesInFolder.
#define IDD_FRMFILESINFOLDER 5200
#define IDC_FF_LABEL1 5201
#define IDC_FF_TXTINFOLDER 5202
#define IDC_FF_CMDOK 5203
#define IDC_FF_LSTFILES 5204
#define IDC_FF_CMDEXIT 5205
