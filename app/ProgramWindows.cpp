#include "ProgramWindows.h"

#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/Form_main.h"
#include "editing/Form_location.h"
#include "store/database.h"

namespace norvane::ui {

void CreateProgramWindows() {
    Form_main = new TForm_main;
    datamod = new Tdatamod;
    Form_location = new TForm_location(Form_main);
    Form_activate = new TForm_activate;
    Form_apropos = new TForm_apropos;
}

void DestroyProgramWindows() {
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

} // namespace norvane::ui
