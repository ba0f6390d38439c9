#pragma once
// Resource ids of frmCodeDecode. Control arrays take a base id plus the
// element index. The CD_ prefix keeps them apart from the other text tools'
// controls of the same names when a test includes several headers.
#define IDD_FRMCODEDECODE 2000
#define IDC_CD_TXTINPUT 2001
#define IDC_CD_CMDOK 2002
#define IDC_CD_OPTCODE 2003
#define IDC_CD_OPTDECODE 2004
#define IDC_CD_LABEL1_BASE 2010
#define IDC_CD_TXTMETHOD1 2020
#define IDC_CD_TXTMETHOD2 2021
#define IDC_CD_TXTMETHOD3 2022
#define IDC_CD_TXTKEY 2023
#define IDC_CD_CMDCOPY1 2030
#define IDC_CD_CMDCOPY2 2031
#define IDC_CD_CMDCOPY3 2032
#define IDC_CD_CMDEXIT 2040
