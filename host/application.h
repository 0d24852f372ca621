#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/explorer.h"
#include "host/inspector.h"
#include "host/mapi_namespace.h"
#include "host/subscription.h"
#include "host/window.h"

namespace tarn::host {

// The add-in's own automation object, as its COM add-in entry exposes it to others ("Object").
// Opaque here: only the COM server knows what it is.
class AddinObject {
public:
    virtual ~AddinObject() = default;
};

// One entry of the application's COM add-in list.
class ComAddIn {
public:
    virtual ~ComAddIn() = default;
    virtual std::u16string ProgId() = 0;
    // "Object": what the entry hands to whoever asks Outlook for the add-in.
    virtual void SetObject(std::shared_ptr<AddinObject> object) = 0;
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

    // "Quit" of the application events: Outlook is closing. Since Outlook 2010 this is the last
    // word an add-in hears at a normal exit: the process ends without OnBeginShutdown and
    // OnDisconnection.
    virtual Subscription OnQuit(std::function<void()> handler) = 0;
};

using ApplicationPtr = std::shared_ptr<Application>;

// The application object a host hands to its add-ins when it connects them. Outlook's answers
// as Outlook's Application; any other host's does not.
class HostApplication {
public:
    virtual ~HostApplication() = default;
    // Outlook's Application, or null when the host is not Outlook.
    virtual ApplicationPtr AsOutlookApplication() = 0;
};

using HostApplicationPtr = std::shared_ptr<HostApplication>;

}  // namespace tarn::host
