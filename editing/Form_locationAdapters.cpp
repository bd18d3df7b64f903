// The interface list: the adapters the management service reports now.
#include "Form_location.h"
#include "editing/InterimInventory.h"

#include <QComboBox>

void TForm_location::FillInterfaceList() {
    ComboBox_interface->clear();
    Values.clear();
    norvane::TWmiQuery& query = configurations();
    query.Close();
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) {
        const std::string name = query.FieldByName("NetConnectionID").AsString();
        const std::string id = query.FieldByName("DeviceID").AsString();
        if (name.empty())
            continue;
        ComboBox_interface->addItem(QString::fromStdString(name));
        Values.append(QString::fromStdString(id));
    }
}

norvane::TWmiQuery& TForm_location::configurations() const {
    return *norvane::interimConfigurations;
}

void TForm_location::loadConnections() {
    connexions_ = std::make_unique<norvane::TListConnexion>();
    norvane::LoadConnections(*connexions_);
}
