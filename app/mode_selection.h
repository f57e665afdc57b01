// Keeping the shown controls in step with the repair mode.
#pragma once

// Shows the four check boxes and hides the label, the path box and "..." when `uninstall`; the reverse
// otherwise. Always makes all seven calls, in the same order.
void ApplyVisibilityRule(bool uninstall);
