#pragma once

#include <memory>
#include <string>

#include "host/folder.h"

namespace tarn::host {

class OutlookBarShortcut {
public:
    virtual ~OutlookBarShortcut() = default;
    virtual std::u16string Name() = 0;
};

class OutlookBarShortcuts {
public:
    virtual ~OutlookBarShortcuts() = default;
    virtual long Count() = 0;
    virtual std::shared_ptr<OutlookBarShortcut> Item(long index) = 0;
    // "Add(Target, Name)" without a position: appended.
    virtual std::shared_ptr<OutlookBarShortcut> Add(Folder& target, const std::u16string& name) = 0;
};

class OutlookBarGroup {
public:
    virtual ~OutlookBarGroup() = default;
    virtual std::u16string Name() = 0;
    virtual std::shared_ptr<OutlookBarShortcuts> Shortcuts() = 0;
};

class OutlookBarGroups {
public:
    virtual ~OutlookBarGroups() = default;
    virtual long Count() = 0;
    virtual std::shared_ptr<OutlookBarGroup> Item(long index) = 0;
};

// The Outlook Bar pane (OutlookBarPane); its Contents.Groups are the groups.
class OutlookBarPane {
public:
    virtual ~OutlookBarPane() = default;
    virtual std::shared_ptr<OutlookBarGroups> Groups() = 0;
};

// One pane of an explorer.
class Pane {
public:
    virtual ~Pane() = default;
    // QueryInterface for the Outlook Bar pane interface; null for other panes.
    virtual std::shared_ptr<OutlookBarPane> QueryOutlookBarPane() = 0;
};

class Panes {
public:
    virtual ~Panes() = default;
    virtual long Count() = 0;
    virtual std::shared_ptr<Pane> Item(long index) = 0;
};

}  // namespace tarn::host
