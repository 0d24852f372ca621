// Folders, their items and the items' recipients.
#include "host/com/com_objects.h"
#include "host/com/event_sink.h"
#include "host/com/outlook_ids.h"
#include "host/host_error.h"
#include "platform/win32/mapi32_library.h"

namespace tarn::host::com {

std::u16string ComFolder::Name() { return Object().GetString(u"Name"); }

std::shared_ptr<host::Items> ComFolder::Items() { return Wrap<ComItems>(Shared(), Object().GetObject(u"Items")); }

std::shared_ptr<host::Folders> ComFolder::Folders() { return Wrap<ComFolders>(Shared(), Object().GetObject(u"Folders")); }

int ComFolder::DefaultItemType() { return static_cast<int>(Object().GetLong(u"DefaultItemType")); }

// MAPIFolder.EntryID (0xF01E): JNA COMTypelibraries outlook9 MAPIFolder, com4j's wrappers.
std::u16string ComFolder::EntryID() { return Object().GetString(u"EntryID"); }

long ComFolders::Count() { return Object().GetLong(u"Count"); }

FolderPtr ComFolders::Item(long index) {
    return Wrap<ComFolder>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

FolderPtr ComFolders::Item(const std::u16string& name) {
    return Wrap<ComFolder>(Shared(), Object().GetObject(u"Item", {Variant::String(name)}));
}

FolderPtr ComFolders::Add(const std::u16string& name, int type) {
    return Wrap<ComFolder>(Shared(), Object().Call(u"Add", {Variant::String(name), Variant::Long(type)}).AsDispatch());
}

long ComItems::Count() { return Object().GetLong(u"Count"); }

ItemPtr ComItems::Item(long index) { return Wrap<ComItem>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)})); }

Subscription ComItems::OnItemAdd(ItemAddHandler handler) {
    // Outlook raises the events only while someone holds the collection: the subscription does.
    return Advise(Object(), DIID_ItemsEvents, DISPID_ItemAdd, "ItemAdd",
                  [session = Shared(), handler = std::move(handler)](const std::vector<Variant>& arguments) {
                      if (arguments.empty()) throw HostError("Items.ItemAdd", "the event brought no item");
                      handler(Wrap<ComItem>(session, arguments[0].AsDispatch()));
                  });
}

long ComItem::Class() { return Object().GetLong(u"Class"); }

std::shared_ptr<platform::MapiObject> ComItem::MAPIOBJECT() {
    auto unknown = Object().Get(u"MAPIOBJECT").AsUnknown();
    return std::make_shared<platform::Mapi32Object>(unknown.Detach());
}

ItemPtr ComItem::Move(host::Folder& destination) {
    const auto* folder = dynamic_cast<const ComFolder*>(&destination);
    if (folder == nullptr) throw HostError("Item.Move", "the destination is not one of Outlook's folders");
    // MailItem.Move (DISPID 0xF034) gives the moved item.
    return Wrap<ComItem>(Shared(), Object().Call(u"Move", {Variant::Dispatch(folder->Automation().Dispatch())}).AsDispatch());
}

void ComItem::Delete() { Object().Call(u"Delete"); }

// The item's Parent (0xF001, as every item of Outlook's object model has it) is its folder.
FolderPtr ComItem::Parent() { return Wrap<ComFolder>(Shared(), Object().GetObject(u"Parent")); }

std::shared_ptr<host::Recipients> ComItem::Recipients() {
    return Wrap<ComRecipients>(Shared(), Object().GetObject(u"Recipients"));
}

long ComRecipients::Count() { return Object().GetLong(u"Count"); }

RecipientPtr ComRecipients::Item(long index) {
    return Wrap<ComRecipient>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

std::u16string ComRecipient::Address() { return Object().GetString(u"Address"); }

// Recipient.AddressEntry (DISPID 0x79) and AddressEntry.Type (0x3002): JNA COMTypelibraries
// outlook9 Recipient/AddressEntry, com4j's Outlook wrappers, Microsoft's wrapper classes.
std::u16string ComRecipient::AddressType() {
    const auto entry = Object().GetObjectOrNull(u"AddressEntry");
    if (!entry) return {};
    return AutomationObject(Shared(), entry, "AddressEntry").GetString(u"Type");
}

// Recipient.PropertyAccessor (0xFAFD, Outlook 2007 and later) and its GetProperty (0xFAFB)
// with PR_SMTP_ADDRESS by its DASL name: Microsoft, "Obtain the E-mail Address of a Recipient"
// (VBA and PIA versions); the same wrappers.
std::u16string ComRecipient::SmtpAddress() {
    constexpr std::u16string_view SmtpAddressProperty = u"http://schemas.microsoft.com/mapi/proptag/0x39FE001E";
    const AutomationObject accessor(Shared(), Object().GetObject(u"PropertyAccessor"), "PropertyAccessor");
    return accessor.Call(u"GetProperty", {Variant::String(std::u16string(SmtpAddressProperty))}).AsString();
}

}  // namespace tarn::host::com
