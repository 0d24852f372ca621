#pragma once

#include <memory>
#include <string>

#include "host/explorer.h"
#include "host/inspector.h"
#include "host/mapi_namespace.h"
#include "host/window.h"

namespace tarn::host {

// One entry of the application's COM add-in list.
class ComAddIn {
public:
    virtual ~ComAddIn() = default;
    virtual std::u16string ProgId() = 0;
};

class ComAddIns {
public:
    virtual ~ComAddIns() = default;
    virtual long Count() = 0;
    virtual std::shared_ptr<ComAddIn> Item(long index) = 0;
};

// Outlook's Application object: the root of everything the add-in reaches.
class Application {
public:
    virtual ~Application() = default;

    // "GetNamespace": only "MAPI" exists.
    virtual NamespacePtr GetNamespace(const std::u16string& type) = 0;
    virtual NamespacePtr Session() = 0;
    // Null when no main window (respectively no message window) is open.
    virtual ExplorerPtr ActiveExplorer() = 0;
    virtual InspectorPtr ActiveInspector() = 0;
    // The explorer or inspector that was activated last; null when none is open.
    virtual WindowPtr ActiveWindow() = 0;
    virtual std::shared_ptr<host::Explorers> Explorers() = 0;
    virtual std::shared_ptr<host::Inspectors> Inspectors() = 0;
    virtual std::shared_ptr<host::ComAddIns> COMAddIns() = 0;
};

using ApplicationPtr = std::shared_ptr<Application>;

}  // namespace tarn::host
