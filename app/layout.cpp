// The names, kinds, places and initial states of the main window's controls.
#include "layout.h"

#include "texts.h"

const ControlLayout kControlLayout[] = {
    {ControlName::透明标签10, ControlKind::TransparentLabel, false, 5, 102, 363, 40, texts::kLabel, false},
    {ControlName::编_异常退出后执行, ControlKind::EditBox, false, 5, 150, 366, 24, "", false},
    {ControlName::按钮_选择文件, ControlKind::PushButton, false, 371, 149, 28, 26, texts::kChooseButton, false},
    {ControlName::按钮1, ControlKind::PushButton, false, 303, 190, 88, 32, texts::kExecuteButton, false},
    {ControlName::单选框2, ControlKind::RadioButton, true, 37, 26, 176, 32, texts::kNotUsedTaviro, true},
    {ControlName::单选框1, ControlKind::RadioButton, true, 225, 26, 136, 32, texts::kUsedTaviro, false},
    {ControlName::分组框1, ControlKind::GroupBox, false, 4, 14, 396, 72, texts::kGroupBox, false},
    {ControlName::选择框4, ControlKind::CheckBox, false, 25, 194, 112, 24, texts::kResetIpv6, false},
    {ControlName::选择框3, ControlKind::CheckBox, false, 25, 162, 112, 24, texts::kResetIpv4, false},
    {ControlName::选择框2, ControlKind::CheckBox, false, 25, 98, 112, 24, texts::kResetSockets, true},
    {ControlName::选择框1, ControlKind::CheckBox, false, 25, 130, 112, 24, texts::kResetFirewall, false},
};
const size_t kControlCount = sizeof kControlLayout / sizeof kControlLayout[0];

const ControlName kTabOrder[] = {
    ControlName::选择框1, ControlName::选择框2, ControlName::选择框3,       ControlName::选择框4,
    ControlName::单选框1, ControlName::单选框2, ControlName::按钮1,         ControlName::按钮_选择文件,
    ControlName::编_异常退出后执行,
};
const size_t kTabOrderCount = sizeof kTabOrder / sizeof kTabOrder[0];
