#pragma once

#include <memory>
#include <string_view>

#include "host/application.h"

namespace tarn::host {

// An Office host's application reached from outside a connection, as the add-in's removal
// needs it. One that was started for the purpose is told to quit when it is let go.
class ReachedHost {
public:
    virtual ~ReachedHost() = default;
    virtual ApplicationPtr Application() = 0;
};

// Reaches a host by its application's programmatic identifier: the running instance, or else
// a new one. Raises HostError when neither can be had.
class HostLauncher {
public:
    virtual ~HostLauncher() = default;
    virtual std::unique_ptr<ReachedHost> Reach(std::u16string_view application_prog_id) = 0;
};

}  // namespace tarn::host
