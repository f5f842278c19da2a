#include "options/ConnectionOptions.h"

namespace zz {

ConnectionControls Update_CheckBox(bool internetChecked, bool updateChecked) {
    ConnectionControls controls;
    controls.updateBoxEnabled = internetChecked;
    controls.checkButtonEnabled = controls.updateBoxEnabled && updateChecked;
    return controls;
}

} // namespace zz
