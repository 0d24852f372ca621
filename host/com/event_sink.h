#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>

#include "host/com/automation_object.h"
#include "host/subscription.h"

namespace tarn::host::com {

// What an event brings: its arguments in the order the event declares them (first first).
using EventHandler = std::function<void(const std::vector<Variant>& arguments)>;

// Connects a handler to one event of an Outlook object: a sink of the events' dispinterface
// (`events`, Outlook's or Office's own identifier) is advised on the object's connection point,
// and calls the handler when the event with that DISPID is raised. Whatever the handler raises
// is contained there and written to the session's log: nothing returns to Outlook but success.
// The subscription holds the object (Outlook raises no events for an object nobody holds) and
// unadvises the sink when it ends; once Outlook is gone that fails quietly.
host::Subscription Advise(const AutomationObject& source, REFIID events, DISPID event, const std::string& event_name,
                          EventHandler handler);

}  // namespace tarn::host::com
