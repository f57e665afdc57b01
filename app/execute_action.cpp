// The Execute action.
#include "handlers.h"

void On按钮1Clicked() {}
