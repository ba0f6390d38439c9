#pragma once
// Resource ids of frmMD5. lblStuff is a control array: base id plus index.
#define IDD_FRMMD5 2500
#define IDC_FRASTRING 2501
#define IDC_TXTINPUTSTRING 2502
#define IDC_TXTSTRINGHASH 2503
#define IDC_CMDSTRINGCOPY 2504
#define IDC_FRAFILE 2505
#define IDC_TXTINPUTFILE 2506
#define IDC_CMDBROWSE 2507
#define IDC_CMDGO 2508
#define IDC_TXTFILEHASH 2509
#define IDC_CMDFILECOPY 2510
#define IDC_CMDEXIT 2511
#define IDC_LBLSTUFF_BASE 2520
