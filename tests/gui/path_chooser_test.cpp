// The path chooser driven through the real open-file dialog, and the caption it sets.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "app_driver.h"
#include "test_system.h"

namespace {

const char kDialogTitle[] = "选取Qorvel网游加速器所在路径";
const char kCaption[] = "Qorvel网络修复工具 v1.0.0.0";
constexpr int kFileNameBox = 0x480;  // edt1
constexpr int kFileTypeBox = 0x470;  // cmb1

class PathChooserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }

    void SetUp() override {
        folder_ = MakeScratchFolder("chooser");
        app_ = std::make_unique<AppUnderTest>();
        ASSERT_NE(app_->Main(), nullptr);
    }

    HWND Choose() const { return FindChild(app_->Main(), "Button", "..."); }
    HWND PathBox() const { return FindChildOfClass(app_->Main(), "Edit"); }

    // Opens the dialog with "..." and returns it.
    HWND OpenDialog() {
        PostMessageA(Choose(), BM_CLICK, 0, 0);
        HWND dialog = app_->WaitForWindow(kDialogTitle);
        EXPECT_NE(dialog, nullptr) << "the dialog did not open";
        return dialog;
    }

    // Types a name into the dialog's file name box and confirms it; waits for the dialog to close.
    void Confirm(HWND dialog, const std::string& name) {
        SendMessageA(GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        app_->Flush();
    }

    void Cancel(HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        app_->Flush();
    }

    std::string Place(const std::string& path) const {
        EXPECT_TRUE(CopyFileA(Fixture("no_version.exe").c_str(), path.c_str(), FALSE)) << path;
        return path;
    }

    std::string folder_;
    std::unique_ptr<AppUnderTest> app_;
};

TEST_F(PathChooserTest, DialogHasItsTitleAndFilterIsCentredAndCancelKeepsThePath) {
    SendMessageA(PathBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("D:\\typed\\by hand.exe"));
    app_->SetFocusTo(Choose());
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), app_->Main());
    EXPECT_FALSE(IsWindowEnabled(app_->Main()));

    HWND types = GetDlgItem(dialog, kFileTypeBox);
    ASSERT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(WindowText(types), "Qorvel网游加速器");

    RECT main, frame;
    GetWindowRect(app_->Main(), &main);
    GetWindowRect(dialog, &frame);
    EXPECT_LE(std::abs((frame.left + frame.right) - (main.left + main.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (main.top + main.bottom)), 2);

    Cancel(dialog);
    EXPECT_EQ(WindowText(PathBox()), "D:\\typed\\by hand.exe");
    EXPECT_EQ(WindowText(app_->Main()), kCaption);
    EXPECT_TRUE(IsWindowEnabled(app_->Main()));
    EXPECT_EQ(app_->Focus(), Choose());
}

TEST_F(PathChooserTest, ConfirmedFileGoesIntoThePathBoxAndIsOfferedNextTime) {
    std::string chosen = Place(folder_ + "\\加速器.exe");
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Confirm(dialog, chosen);
    EXPECT_STRCASEEQ(WindowText(PathBox()).c_str(), chosen.c_str());
    EXPECT_EQ(app_->Focus(), Choose());

    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    std::string offered = WindowText(GetDlgItem(dialog, kFileNameBox));
    EXPECT_NE(offered.find("加速器.exe"), std::string::npos) << offered;
    Cancel(dialog);
    EXPECT_STRCASEEQ(WindowText(PathBox()).c_str(), chosen.c_str());
}

TEST_F(PathChooserTest, ShortcutBesideTheFileGivesItsTargetWithoutArguments) {
    std::string chosen = Place(folder_ + "\\a.exe");
    std::string elsewhere = MakeScratchFolder("elsewhere");
    std::string target = Place(elsewhere + "\\b.exe");
    ASSERT_TRUE(MakeShortcut(chosen + ".lnk", target, "-x"));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Confirm(dialog, chosen);
    EXPECT_STRCASEEQ(WindowText(PathBox()).c_str(), target.c_str());
}

TEST_F(PathChooserTest, LnkInAFolderNameLoadsTheFileItselfWhichIsNoShortcut) {
    std::string inner = folder_ + "\\x.LNKdir";
    CreateDirectoryA(inner.c_str(), nullptr);
    std::string chosen = Place(inner + "\\a.exe");
    // A shortcut beside it would be used if ".lnk" were only looked for at the end.
    ASSERT_TRUE(MakeShortcut(chosen + ".lnk", Fixture("accelerator.exe"), ""));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Confirm(dialog, chosen);
    EXPECT_STRCASEEQ(WindowText(PathBox()).c_str(), chosen.c_str());
}

TEST(Caption, IsTheDecodedCaptionFromTheFirstMomentTheWindowIsVisible) {
    AppUnderTest app;
    ASSERT_NE(app.Main(), nullptr);
    EXPECT_EQ(WindowText(app.Main()), kCaption);
}

}  // namespace
