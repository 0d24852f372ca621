#pragma once

#include <memory>

#include "host/command_bars.h"

namespace tarn::host {

// What explorers and inspectors have in common: a window with command bars.
class Window {
public:
    virtual ~Window() = default;
    // The window's command bar collection; null when the window has none.
    virtual CommandBarsPtr CommandBars() = 0;
};

using WindowPtr = std::shared_ptr<Window>;

}  // namespace tarn::host
