// The path chooser.
#include "handlers.h"

void On按钮_选择文件Clicked() {}
