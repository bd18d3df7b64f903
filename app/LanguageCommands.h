#pragma once

#include <functional>
#include <string>

namespace norvane::ui {

// What the language commands act on besides the translation layer: the
// settings file, the two windows that follow a language change, and the data
// sources, which are closed and opened again around the editor's update.
struct LanguageCommandSteps {
    std::string settingsPath;
    std::function<void()> retranslateMain;
    std::function<void(bool)> setDataActive;
    std::function<void()> retranslateEditor;
};

// The steps of the running program: its settings file, Form_main and
// Form_location; the main window passes its SetDataActive.
LanguageCommandSteps ProgramLanguageSteps(std::function<void(bool)> setDataActive);

// The flag commands: store the code, select it, re-translate the main window,
// close the data, re-translate the editor, open the data again. A failure
// ends the command at the step that raised it.
void ChangeLanguage(const std::string& code, const LanguageCommandSteps& steps);

} // namespace norvane::ui
