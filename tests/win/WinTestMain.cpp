// GoogleTest main for the Windows tiers: common controls and COM are ready,
// as in the real program.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    const int r = RUN_ALL_TESTS();
    OleUninitialize();
    return r;
}
