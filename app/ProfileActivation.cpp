#include "ProfileActivation.h"

#include "app/Form_main.h"
#include "app/QtActivationHost.h"
#include "common/Errors.h"
#include "netconfig/activate.h"
#include "store/database.h"

namespace norvane::ui {

void activateCurrentProfile() {
    NORVANE_ASSERT(datamod != nullptr, "The data module does not exist");
    TQtActivationHost host([] {
        if (Form_main != nullptr)
            Form_main->RefreshProfileList();
    });
    TProfileActivation(*datamod, host).ActivateCurrentProfile();
}

} // namespace norvane::ui
