#pragma once
// Resource ids of frmSendKeys; Label1 is a control array (base + index).
#define IDD_FRMSENDKEYS 2300
#define IDC_SK_TXTPROGNAME 2301
#define IDC_SK_TXTSEND 2302
#define IDC_SK_TXTHOWMANY 2303
#define IDC_SK_CMDSEND 2304
#define IDC_SK_LABEL1_BASE 2310
