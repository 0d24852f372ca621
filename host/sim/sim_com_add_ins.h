#pragma once

#include <memory>
#include <string>

#include "host/application.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimComAddIn final : public host::ComAddIn, public SimObject {
public:
    SimComAddIn(std::weak_ptr<SimHost> host, std::u16string prog_id);

    std::u16string ProgId() override;
    void SetObject(std::shared_ptr<host::AddinObject> object) override;

    // The test host's own view, unguarded.
    const std::u16string& ProgIdOf() const noexcept { return prog_id_; }
    const std::shared_ptr<host::AddinObject>& Object() const noexcept { return object_; }

private:
    std::u16string prog_id_;
    std::shared_ptr<host::AddinObject> object_;
};

// The application's COM add-in list, in the order the entries were added.
class SimComAddIns final : public SimCollection<host::ComAddIns, SimComAddIn> {
public:
    explicit SimComAddIns(std::weak_ptr<SimHost> host);

    // The test host's own view, unguarded.
    std::shared_ptr<SimComAddIn> Create(std::u16string prog_id);
    // Removes the entries with that ProgID; false when there was none.
    bool RemoveProgId(const std::u16string& prog_id);
};

}  // namespace tarn::host::sim
