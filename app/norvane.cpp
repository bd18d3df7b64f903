#include "app/ErrorDisplay.h"
#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/Form_main.h"
#include "app/MessageBoxes.h"
#include "app/NorvaneApplication.h"
#include "app/i18n/LanguageSetting.h"
#include "app/i18n/ProgramPath.h"
#include "app/i18n/Translation.h"
#include "editing/Form_location.h"
#include "store/database.h"

#include <exception>

namespace {

void showLocalizationProblem(const std::string& title, const std::string& text) {
    norvane::ui::showMessage(nullptr, norvane::ui::MessageKind::Warning,
                             QString::fromStdString(title), QString::fromStdString(text));
}

// The windows and the data module, in the order in which they depend on each
// other; each lives until the program ends. The editor reads the adapters
// from the data module when it is created.
void createWindows() {
    Form_main = new TForm_main;
    datamod = new norvane::Tdatamod;
    Form_location = new TForm_location(Form_main);
    Form_activate = new TForm_activate;
    Form_apropos = new TForm_apropos;
}

// The windows go first, while the data they show still exists; the data
// module goes last and saves the profile table if it changed.
void destroyWindows() {
    delete Form_apropos;
    Form_apropos = nullptr;
    delete Form_activate;
    Form_activate = nullptr;
    delete Form_location;
    Form_location = nullptr;
    delete Form_main;
    Form_main = nullptr;
    delete datamod;
    datamod = nullptr;
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
        createWindows();
        Form_main->show();
        code = app.exec();
    } catch (const std::exception& failure) {
        // Only a failure while the windows are created gets here; the event
        // loop shows its own and goes on.
        ui::ShowException(failure);
    }
    destroyWindows();
    return code;
}
