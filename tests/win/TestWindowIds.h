#pragma once
#define IDD_TESTWINDOW 9000
