#pragma once
// Resource ids of frmNumberConv. The option arrays take a base id plus the
// element index, which is the base type it stands for (1 to 4).
#define IDD_FRMNUMBERCONV 2100
#define IDC_NC_LABEL1 2101
#define IDC_NC_TXTINPUT 2102
#define IDC_NC_FRAINPUT 2103
#define IDC_NC_LINE1 2104
#define IDC_NC_FRAOUTPUT 2105
#define IDC_NC_LBLOUTPUT 2106
#define IDC_NC_CMDCONVERT 2107
#define IDC_NC_CMDEXIT 2108
#define IDC_NC_OPTINPUTTYPE_BASE 2110
#define IDC_NC_OPTOUTPUTTYPE_BASE 2120
