#pragma once

#include <memory>

#include "host/application.h"
#include "tests/outlook/served_object.h"

namespace tarn::outlook {

// The substitute Outlook of host/sim/ served through COM as Outlook serves its object model:
// every object an automation object with Outlook's member names, raising Outlook's and
// Office's events through connection points with their DISPIDs, and items whose MAPIOBJECT
// answers IMessage property reads. Objects are made as they are asked for.
platform::ComPtr<ServedObject> ServeApplication(const host::ApplicationPtr& application);
// Items open at once, as Exchange in online mode counts them for a session: every served item
// the caller still holds. With a limit (none is 0), one more fails with MAPI_E_TOO_BIG and
// Outlook's text. Both hold for the process, as the server's setting holds for the session.
void LimitOpenItems(long limit);
long OpenItemsNow();
// A COM add-in entry, as Outlook hands it to the add-in it connects.
platform::ComPtr<ServedObject> ServeComAddIn(const std::shared_ptr<host::ComAddIn>& add_in);

}  // namespace tarn::outlook
