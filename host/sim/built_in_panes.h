#pragma once

#include <memory>

#include "host/sim/sim_outlook_bar.h"

namespace tarn::host::sim {

// What pane 1 of a new explorer is.
enum class OutlookBarLayout {
    // The Outlook Bar with the groups "Shortcuts" (Inbox, Calendar, Contacts, Deleted Items)
    // and "My Shortcuts" (Sent Items, Drafts).
    Groups,
    // The Outlook Bar without any group.
    NoGroups,
    // A pane of another kind, which does not answer QueryOutlookBarPane.
    NotOutlookBar,
    // No pane at all.
    NoPanes,
};

// The panes of a new explorer; the shortcuts lead to the host's default folders.
std::shared_ptr<SimPanes> MakeExplorerPanes(const std::shared_ptr<SimHost>& host, OutlookBarLayout layout);

}  // namespace tarn::host::sim
