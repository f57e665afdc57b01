// Keeping the shown controls in step with the repair mode, and the handlers of the two radio buttons.
#include "mode_selection.h"

#include "controls.h"
#include "handlers.h"

void ApplyVisibilityRule(bool uninstall) {
    SetControlVisible(ControlName::选择框1, uninstall);
    SetControlVisible(ControlName::选择框2, uninstall);
    SetControlVisible(ControlName::选择框3, uninstall);
    SetControlVisible(ControlName::选择框4, uninstall);
    SetControlVisible(ControlName::透明标签10, !uninstall);
    SetControlVisible(ControlName::编_异常退出后执行, !uninstall);
    SetControlVisible(ControlName::按钮_选择文件, !uninstall);
}

void On单选框1Clicked() { ApplyVisibilityRule(IsControlChecked(ControlName::单选框1)); }

void On单选框2Clicked() { ApplyVisibilityRule(!IsControlChecked(ControlName::单选框2)); }
