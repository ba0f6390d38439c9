#pragma once
// Resource ids of frmNetEnum.
#define IDD_FRMNETENUM 3400
#define IDC_NE_CMBTYPES 3401
#define IDC_NE_LSTCOMPUTERS 3402
#define IDC_NE_CMDLIST 3403
#define IDC_NE_CMDEXIT 3404
