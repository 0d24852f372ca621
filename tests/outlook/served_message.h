#pragma once

#include <memory>

#include "platform/mapi.h"
#include "platform/win32/com_ptr.h"

namespace tarn::outlook {

// An item's MAPIOBJECT as Outlook's store hands it out: an IMessage whose GetProps reads the
// substitute's string properties (allocated with MAPI32's allocator, as a store does); other
// members are not supported. Null when the item's MAPI object is no message.
platform::ComPtr<IUnknown> ServeMapiObject(const std::shared_ptr<platform::MapiObject>& object);

}  // namespace tarn::outlook
