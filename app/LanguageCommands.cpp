#include "LanguageCommands.h"

#include "app/Form_main.h"
#include "app/TranslateComponent.h"
#include "app/i18n/LanguageSetting.h"
#include "app/i18n/ProgramPath.h"
#include "app/i18n/Translation.h"
#include "editing/Form_location.h"

#include <utility>

namespace norvane::ui {

LanguageCommandSteps ProgramLanguageSteps(std::function<void(bool)> setDataActive) {
    return LanguageCommandSteps{
        i18n::SettingsFilePath(),
        [] { RetranslateComponent(Form_main); },
        std::move(setDataActive),
        [] { RetranslateComponent(Form_location); },
    };
}

void ChangeLanguage(const std::string& code, const LanguageCommandSteps& steps) {
    i18n::WriteLanguageSetting(steps.settingsPath, code);
    i18n::SelectLanguage(code);
    if (steps.retranslateMain)
        steps.retranslateMain();
    if (steps.setDataActive)
        steps.setDataActive(false);
    if (steps.retranslateEditor)
        steps.retranslateEditor();
    if (steps.setDataActive)
        steps.setDataActive(true);
}

} // namespace norvane::ui
