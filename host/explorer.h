#pragma once

#include <functional>
#include <memory>

#include "host/folder.h"
#include "host/outlook_bar.h"
#include "host/subscription.h"
#include "host/window.h"

namespace tarn::host {

// The items selected in an explorer, in selection order, 1-based.
class Selection {
public:
    virtual ~Selection() = default;
    virtual long Count() = 0;
    virtual ItemPtr Item(long index) = 0;
};

// A main window of Outlook, showing one folder.
class Explorer : public Window {
public:
    using Handler = std::function<void()>;

    virtual FolderPtr CurrentFolder() = 0;
    virtual std::shared_ptr<host::Selection> Selection() = 0;
    virtual std::shared_ptr<host::Panes> Panes() = 0;
    // "SelectionChange" and "Close" of the explorer events.
    virtual Subscription OnSelectionChange(Handler handler) = 0;
    virtual Subscription OnClose(Handler handler) = 0;
};

using ExplorerPtr = std::shared_ptr<Explorer>;

// The application's Explorers collection.
class Explorers {
public:
    using NewExplorerHandler = std::function<void(const ExplorerPtr& explorer)>;

    virtual ~Explorers() = default;
    virtual long Count() = 0;
    virtual ExplorerPtr Item(long index) = 0;
    virtual Subscription OnNewExplorer(NewExplorerHandler handler) = 0;
};

}  // namespace tarn::host
