#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/item.h"
#include "host/subscription.h"
#include "host/window.h"

namespace tarn::host {

// A message window of Outlook, showing one item.
class Inspector : public Window {
public:
    virtual ItemPtr CurrentItem() = 0;
    // "Caption": the window's title text.
    virtual std::u16string Caption() = 0;
    // "IsWordMail": true when the window's editor is the word processor (always, since Outlook
    // 2007).
    virtual bool IsWordMail() = 0;
    // The selection in this message's own word-processor window ("WordEditor", the document,
    // then its ActiveWindow.Selection.Text). Not the word processor's application-wide
    // selection, which belongs to whichever of its windows is active, maybe another message's.
    virtual std::u16string WordSelectionText() = 0;
    // The built-in editor's selection ("HTMLEditor", then selection.createRange().text);
    // HostError when the window has no HTML editor document (deprecated since Outlook 2007).
    virtual std::u16string HtmlSelectionText() = 0;
};

using InspectorPtr = std::shared_ptr<Inspector>;

// The application's Inspectors collection.
class Inspectors {
public:
    using NewInspectorHandler = std::function<void(const InspectorPtr& inspector)>;

    virtual ~Inspectors() = default;
    virtual long Count() = 0;
    virtual Subscription OnNewInspector(NewInspectorHandler handler) = 0;
};

}  // namespace tarn::host
