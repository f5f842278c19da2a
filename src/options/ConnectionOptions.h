#pragma once

namespace zz {

// Which connection controls of the options dialog can be used. A disabled update box keeps
// its check mark; only its enabled state follows the internet box.
struct ConnectionControls {
    bool updateBoxEnabled = false;   // CB_Update
    bool checkButtonEnabled = false; // Btn_Check_Update
};

ConnectionControls Update_CheckBox(bool internetChecked, bool updateChecked);

} // namespace zz
