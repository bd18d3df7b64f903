// The adapters the editor offers: the Ethernet adapters the management
// service reports at each refresh, and the IP helper's connections, read once.
#include "Form_location.h"
#include "netconfig/IPHLPAPI.h"
#include "store/database.h"

#include <QComboBox>

void TForm_location::FillInterfaceList() {
    ComboBox_interface->clear();
    Values.clear();
    norvane::TWmiQuery& query = datamod->wqConfigurations;
    // Run anew each time: adapters come and go while the program runs.
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

void TForm_location::loadConnections() {
    connexions_ = std::make_unique<norvane::TListConnexion>();
    if (norvane::platform::IIpHelper* helper = datamod->Platform().ipHelper.get())
        norvane::LoadConnections(*helper, *connexions_);
}
