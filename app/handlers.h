// The handlers bound to the five events of the main window.
#pragma once

// Window created: the caption, then the visibility rule for the checked radio button.
void OnWindowCreated();
// Clicks on the two radio buttons: the visibility rule for the mode just chosen.
void On单选框1Clicked();
void On单选框2Clicked();
// Click on "执行": the Execute action.
void On按钮1Clicked();
// Click on "...": the path chooser.
void On按钮_选择文件Clicked();
