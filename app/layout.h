// The names, kinds, places and initial states of the main window's controls.
#pragma once

#include <cstddef>

// The controls by their names in the layout; the values are their control identifiers.
enum class ControlName : int {
    MainWindow = 0,
    透明标签10 = 1001,
    编_异常退出后执行,
    按钮_选择文件,
    按钮1,
    单选框2,
    单选框1,
    分组框1,
    选择框4,
    选择框3,
    选择框2,
    选择框1,
};

enum class ControlKind { TransparentLabel, EditBox, PushButton, RadioButton, GroupBox, CheckBox };

struct ControlLayout {
    ControlName name;
    ControlKind kind;
    bool inGroupBox;  // a child of 分组框1, its position relative to the group box's client area
    int left, top, width, height;
    const char* text;
    bool checked;
};

// In sibling order: on a shared parent each control lies above the ones after it.
extern const ControlLayout kControlLayout[];
extern const size_t kControlCount;

// The controls with a tab stop, in Tab order.
extern const ControlName kTabOrder[];
extern const size_t kTabOrderCount;

inline constexpr char kMainWindowClass[] = "QorvelNetRepairWindow";
inline constexpr char kTransparentLabelClass[] = "QorvelTransparentLabel";
inline constexpr int kWindowWidth = 410;
inline constexpr int kWindowHeight = 259;
