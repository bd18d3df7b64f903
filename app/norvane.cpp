#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/Form_main.h"
#include "editing/Form_location.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Form_main = new TForm_main;
    Form_location = new TForm_location(Form_main);
    Form_activate = new TForm_activate;
    Form_apropos = new TForm_apropos;
    Form_main->show();
    const int code = app.exec();
    delete Form_apropos;
    delete Form_activate;
    delete Form_main;
    return code;
}
