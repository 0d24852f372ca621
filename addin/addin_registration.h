#pragma once

#include "host/host_launcher.h"
#include "platform/class_registry.h"
#include "platform/registry.h"

namespace tarn::addin {

// The add-in's entries in the add-in keys of its hosts, and its traces in the hosts: what
// registration writes, what unregistration takes away. The COM class and type library are
// the COM server's own business.
class AddInRegistration {
public:
    AddInRegistration(platform::Registry& registry, platform::ClassRegistry& classes)
        : registry_(registry), classes_(classes) {}

    // Whether a host's application resolves to a class: the host is installed.
    bool IsHostInstalled(int host_index);

    // For every installed host of the add-in's: its add-in key, made when missing, with the
    // values of a new registration ("FriendlyName", "Description", "LoadBehavior" 3,
    // "CommandLineSafe" 0, "CmdBars" and "CtrlTags" empty, "AxpStartMode" "FIRSTSTART").
    // A registry failure is raised.
    void WriteAddInKeys();
    // For every installed host of the add-in's: every value of its add-in key, then the key.
    void DeleteAddInKeys();

    // Takes the add-in's controls and bars out of every installed host but MapPoint: marks the
    // key UNINSTALL (load behaviour 0), then, in the host's active window, deletes every
    // control "CtrlTags" lists (up to nine instances each; pop-ups after their contents, last
    // listed first) and every bar "CmdBars" lists that holds nothing any more. Any failure
    // becomes AddinError 31104 "Can't unregister add-in controls."
    void RemoveAddInControls(host::HostLauncher& launcher);

private:
    void RemoveControlsFrom(int host_index, host::HostLauncher& launcher);

    platform::Registry& registry_;
    platform::ClassRegistry& classes_;
};

}  // namespace tarn::addin
