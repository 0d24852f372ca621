#include "host/sim/sim_com_add_ins.h"

namespace tarn::host::sim {

SimComAddIn::SimComAddIn(std::weak_ptr<SimHost> host, std::u16string prog_id)
    : SimObject(std::move(host), "ComAddIn"), prog_id_(std::move(prog_id)) {}

std::u16string SimComAddIn::ProgId() { return Read("ProgId", prog_id_); }

void SimComAddIn::SetObject(std::shared_ptr<host::AddinObject> object) { Write("SetObject", object_, object); }

SimComAddIns::SimComAddIns(std::weak_ptr<SimHost> host) : SimCollection(std::move(host), "ComAddIns") {}

std::shared_ptr<SimComAddIn> SimComAddIns::Create(std::u16string prog_id) {
    auto add_in = std::make_shared<SimComAddIn>(HostLink(), std::move(prog_id));
    Append(add_in);
    return add_in;
}

bool SimComAddIns::RemoveProgId(const std::u16string& prog_id) {
    auto remaining = Elements();
    const auto removed =
        std::erase_if(remaining, [&prog_id](const auto& add_in) { return add_in->ProgIdOf() == prog_id; });
    Replace(std::move(remaining));
    return removed > 0;
}

}  // namespace tarn::host::sim
