#include "app/ErrorDisplay.h"
#include "app/Form_main.h"
#include "app/MessageBoxes.h"
#include "app/NorvaneApplication.h"
#include "app/ProgramWindows.h"
#include "app/i18n/LanguageSetting.h"
#include "app/i18n/ProgramPath.h"
#include "app/i18n/Translation.h"

#include <exception>

namespace {

void showLocalizationProblem(const std::string& title, const std::string& text) {
    norvane::ui::showMessage(nullptr, norvane::ui::MessageKind::Warning,
                             QString::fromStdString(title), QString::fromStdString(text));
}

} // namespace

int main(int argc, char** argv) {
    using namespace norvane;
    i18n::InitTranslation(i18n::ProgramDirectory() + "/locale");
    i18n::SelectLanguage(i18n::ReadLanguageSetting(i18n::SettingsFilePath()));

    ui::TNorvaneApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Norvane"));
    i18n::SetLocalizationProblemHandler(showLocalizationProblem);

    int code = 1;
    try {
        ui::CreateProgramWindows();
        Form_main->show();
        code = app.exec();
    } catch (const std::exception& failure) {
        // Only a failure while the windows are created gets here; the event
        // loop shows its own and goes on.
        ui::ShowException(failure);
    }
    ui::DestroyProgramWindows();
    return code;
}
