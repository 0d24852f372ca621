// The substitute Outlook's objects served through IDispatch under Outlook's member names.
#include "tests/outlook/outlook_server.h"

#include <mapicode.h>

#include <stdexcept>
#include <string>

#include "host/com/outlook_ids.h"
#include "host/sim/sim_inspector.h"
#include "tests/outlook/served_message.h"
#include "tests/outlook/served_picture.h"

namespace tarn::outlook {

namespace {

using namespace host::com;
using platform::ComPtr;

// What an object property answers: the served object, or Nothing for a null one.
Variant Object(const ComPtr<ServedObject>& served) { return Variant::Dispatch(served.Get()); }

bool Given(const Arguments& arguments, std::size_t position) {
    if (position >= arguments.size()) return false;
    const VARIANT& value = arguments[position].Raw();
    return !(value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND);
}

const Variant& Required(const Arguments& arguments, std::size_t position) {
    if (!Given(arguments, position)) throw std::invalid_argument("argument " + std::to_string(position + 1) + " is missing");
    return arguments[position];
}

long LongAt(const Arguments& arguments, std::size_t position, long fallback) {
    return Given(arguments, position) ? arguments[position].AsLong() : fallback;
}

bool BoolAt(const Arguments& arguments, std::size_t position, bool fallback) {
    return Given(arguments, position) ? arguments[position].AsBool() : fallback;
}

// The substitute's object behind an object argument served by this stand-in.
template <class Host>
std::shared_ptr<Host> HostObjectAt(const Arguments& arguments, std::size_t position) {
    auto* served = ServedObject::From(Required(arguments, position).AsDispatch().Get());
    auto object = served != nullptr ? served->Held<Host>() : nullptr;
    if (!object) throw std::invalid_argument("argument " + std::to_string(position + 1) + " is no object of this Outlook");
    return object;
}

// Forwards an event of the substitute to the sinks of `events` while any sink listens.
template <class Subscribe>
void Forward(ServedObject& served, const IID& events, Subscribe subscribe) {
    auto subscription = std::make_shared<host::Subscription>();
    served.Events(events, [&served, subscription, subscribe](bool watched) {
        if (watched) {
            *subscription = subscribe(served);
        } else {
            subscription->Reset();
        }
    });
}

// A served object for a substitute object, holding it; Nothing for none.
template <class Host, class Fill>
ComPtr<ServedObject> Serve(const std::shared_ptr<Host>& object, Fill fill) {
    if (!object) return nullptr;
    auto served = MakeServed();
    served->Hold(object);
    fill(*served.Get(), object);
    return served;
}

// A property with a setter, of a simple kind.
template <class Object, class Getter, class Setter>
void Property(ServedObject& served, std::u16string name, const std::shared_ptr<Object>& object, Getter get, Setter set) {
    served.Define(
        std::move(name), [object, get](const Arguments&) { return get(*object); },
        [object, set](const Variant& value) { set(*object, value); });
}

ComPtr<ServedObject> ServeFolder(const host::FolderPtr& folder);
ComPtr<ServedObject> ServeItem(const host::ItemPtr& item);
ComPtr<ServedObject> ServeControl(const host::CommandBarControlPtr& control);

// Count and Item by number, as every collection of Outlook and Office has them.
template <class Collection, class ServeElement>
void Indexed(ServedObject& served, const std::shared_ptr<Collection>& collection, ServeElement serve_element) {
    served.Define(u"Count", [collection](const Arguments&) { return Variant::Long(collection->Count()); });
    served.Define(u"Item", [collection, serve_element](const Arguments& arguments) {
        return Object(serve_element(collection->Item(Required(arguments, 0).AsLong())));
    });
}

// A recipient as Outlook serves it: its address, its AddressEntry (Nothing while unresolved)
// with the address type, and a PropertyAccessor that reads PR_SMTP_ADDRESS by its DASL name,
// raising for a property the store does not hold, as Outlook's does.
ComPtr<ServedObject> ServeRecipient(const host::RecipientPtr& recipient) {
    return Serve(recipient, [](ServedObject& one, const host::RecipientPtr& held) {
        one.Define(u"Address", [held](const Arguments&) { return Variant::String(held->Address()); });
        one.Define(u"AddressEntry", [held](const Arguments&) {
            const std::u16string type = held->AddressType();
            if (type.empty()) return Variant::Dispatch(nullptr);
            auto entry = MakeServed();
            entry->Define(u"Type", [type](const Arguments&) { return Variant::String(type); });
            entry->Define(u"Address", [held](const Arguments&) { return Variant::String(held->Address()); });
            return Variant::Dispatch(entry.Get());
        });
        one.Define(u"PropertyAccessor", [held](const Arguments&) {
            auto accessor = MakeServed();
            accessor->Define(u"GetProperty", [held](const Arguments& arguments) {
                if (Required(arguments, 0).AsString() != u"http://schemas.microsoft.com/mapi/proptag/0x39FE001E") {
                    throw std::invalid_argument("the property is unknown or cannot be found");
                }
                return Variant::String(held->SmtpAddress());
            });
            return Variant::Dispatch(accessor.Get());
        });
    });
}

ComPtr<ServedObject> ServeRecipients(const std::shared_ptr<host::Recipients>& recipients) {
    return Serve(recipients, [](ServedObject& served, const auto& object) { Indexed(served, object, ServeRecipient); });
}

// Exchange in online mode lets one session hold only so many messages open at once (250 by
// default); opening one more fails until the caller lets go of some.
struct OpenItemCount {
    long open = 0;
    long limit = 0;  // none
};

OpenItemCount& OpenItems() {
    static OpenItemCount count;
    return count;
}

// One item held open, for as long as its served object lives.
class OpenItem {
public:
    OpenItem() {
        auto& items = OpenItems();
        if (items.limit > 0 && items.open >= items.limit) {
            throw ServedError(MAPI_E_TOO_BIG,
                              "Your server administrator has limited the number of items you can open simultaneously. "
                              "Try closing messages you have opened or removing attachments and images from unsent "
                              "messages you are composing.");
        }
        ++items.open;
    }
    ~OpenItem() { --OpenItems().open; }
    OpenItem(const OpenItem&) = delete;
    OpenItem& operator=(const OpenItem&) = delete;
};

ComPtr<ServedObject> ServeItem(const host::ItemPtr& item) {
    if (!item) return nullptr;
    auto open = std::make_shared<const OpenItem>();
    return Serve(item, [&open](ServedObject& served, const host::ItemPtr& object) {
        served.Keep(std::move(open));
        served.Define(u"Class", [object](const Arguments&) { return Variant::Long(object->Class()); });
        served.Define(u"MAPIOBJECT", [object](const Arguments&) {
            const auto message = ServeMapiObject(object->MAPIOBJECT());
            return Variant::Unknown(message.Get());
        });
        // Move gives the moved item (JNA outlook9 _MailItem, Microsoft's MailItem.Move).
        served.Define(u"Move", [object](const Arguments& arguments) {
            return Object(ServeItem(object->Move(*HostObjectAt<host::Folder>(arguments, 0))));
        });
        served.Define(u"Delete", [object](const Arguments&) {
            object->Delete();
            return Variant();
        });
        served.Define(u"Recipients", [object](const Arguments&) { return Object(ServeRecipients(object->Recipients())); });
        served.Define(u"Parent", [object](const Arguments&) { return Object(ServeFolder(object->Parent())); });
    });
}

ComPtr<ServedObject> ServeItems(const std::shared_ptr<host::Items>& items) {
    return Serve(items, [](ServedObject& served, const auto& object) {
        Indexed(served, object, ServeItem);
        Forward(served, DIID_ItemsEvents, [object](ServedObject& source) {
            return object->OnItemAdd([&source](const host::ItemPtr& item) {
                source.Raise(DIID_ItemsEvents, DISPID_ItemAdd, {Object(ServeItem(item))});
            });
        });
    });
}

ComPtr<ServedObject> ServeFolders(const std::shared_ptr<host::Folders>& folders) {
    return Serve(folders, [](ServedObject& served, const auto& object) {
        served.Define(u"Count", [object](const Arguments&) { return Variant::Long(object->Count()); });
        served.Define(u"Item", [object](const Arguments& arguments) {
            const Variant& which = Required(arguments, 0);
            if (which.Type() == VT_BSTR) return Object(ServeFolder(object->Item(which.AsString())));
            return Object(ServeFolder(object->Item(which.AsLong())));
        });
        served.Define(u"Add", [object](const Arguments& arguments) {
            return Object(ServeFolder(object->Add(Required(arguments, 0).AsString(),
                                                  static_cast<int>(LongAt(arguments, 1, static_cast<long>(host::DefaultFolder::Inbox))))));
        });
    });
}

ComPtr<ServedObject> ServeFolder(const host::FolderPtr& folder) {
    return Serve(folder, [](ServedObject& served, const host::FolderPtr& object) {
        served.Define(u"Name", [object](const Arguments&) { return Variant::String(object->Name()); });
        served.Define(u"Items", [object](const Arguments&) { return Object(ServeItems(object->Items())); });
        served.Define(u"Folders", [object](const Arguments&) { return Object(ServeFolders(object->Folders())); });
        served.Define(u"DefaultItemType", [object](const Arguments&) { return Variant::Long(object->DefaultItemType()); });
        served.Define(u"EntryID", [object](const Arguments&) { return Variant::String(object->EntryID()); });
    });
}

ComPtr<ServedObject> ServeNamespace(const host::NamespacePtr& mapi) {
    return Serve(mapi, [](ServedObject& served, const host::NamespacePtr& object) {
        served.Define(u"GetDefaultFolder", [object](const Arguments& arguments) {
            return Object(ServeFolder(object->GetDefaultFolder(static_cast<host::DefaultFolder>(Required(arguments, 0).AsLong()))));
        });
    });
}

// Office's control events, only where Office has them: a button's Click(Ctrl, CancelDefault)
// and a combo box's (an edit's, a drop-down's) Change(Ctrl), the control being the one the user
// used; a pop-up has no event interface at all (Office's type library gives CommandBarPopup no
// source interface; JNA COMTypelibraries office2, NetOffice Source/Office/Events).
void ForwardControlEvents(ServedObject& served, const host::CommandBarControlPtr& control, host::ControlType type) {
    if (type == host::ControlType::Button) {
        Forward(served, DIID_CommandBarButtonEvents, [control](ServedObject& source) {
            return control->OnClick([&source](const host::CommandBarControlPtr& used) {
                VARIANT_BOOL cancel_default = VARIANT_FALSE;
                Variant cancel;
                cancel.Get()->vt = VT_BOOL | VT_BYREF;
                cancel.Get()->pboolVal = &cancel_default;
                source.Raise(DIID_CommandBarButtonEvents, DISPID_Click, {Object(ServeControl(used)), cancel});
            });
        });
    } else if (type != host::ControlType::Popup) {
        Forward(served, DIID_CommandBarComboBoxEvents, [control](ServedObject& source) {
            return control->OnChange([&source](const host::CommandBarControlPtr& used) {
                source.Raise(DIID_CommandBarComboBoxEvents, DISPID_Change, {Object(ServeControl(used))});
            });
        });
    }
}

ComPtr<ServedObject> ServeControls(const std::shared_ptr<host::CommandBarControls>& controls) {
    return Serve(controls, [](ServedObject& served, const auto& object) {
        Indexed(served, object, ServeControl);
        // Add(Type, Id, Parameter, Before, Temporary)
        served.Define(u"Add", [object](const Arguments& arguments) {
            const auto type = static_cast<host::ControlType>(LongAt(arguments, 0, static_cast<long>(host::ControlType::Button)));
            const std::optional<long> before = Given(arguments, 3) ? std::optional<long>(arguments[3].AsLong()) : std::nullopt;
            return Object(ServeControl(object->Add(type, before, BoolAt(arguments, 4, false))));
        });
    });
}

// Office's DISPIDs of the control members the add-in uses. The members every control inherits
// from CommandBarControl keep theirs on all three interfaces; those of each interface's own are
// its own, and one DISPID means different members on different interfaces (0x6005000E is a
// combo box's Style and a button's Picture). JNA COMTypelibraries office2 _CommandBarButton,
// _CommandBarComboBox and CommandBarPopup; com4j's generated office wrappers.
namespace control_dispid {
constexpr DISPID Caption = 0x60040003;
constexpr DISPID Delete = 0x60040007;
constexpr DISPID Enabled = 0x6004000A;
constexpr DISPID Parameter = 0x6004001D;
constexpr DISPID Tag = 0x60040023;
constexpr DISPID TooltipText = 0x60040025;
constexpr DISPID Type = 0x60040028;
constexpr DISPID Visible = 0x60040029;
constexpr DISPID ButtonStyle = 0x6005000A;
constexpr DISPID ButtonPicture = 0x6005000E;
constexpr DISPID ButtonMask = 0x60050010;
constexpr DISPID ComboBoxStyle = 0x6005000E;
constexpr DISPID PopupControls = 0x60050001;
}  // namespace control_dispid

// A control as Office serves it: a CommandBarButton, a CommandBarComboBox or a CommandBarPopup,
// each with its own members at their own DISPIDs.
ComPtr<ServedObject> ServeControl(const host::CommandBarControlPtr& control) {
    using Control = host::CommandBarControl;
    namespace id = control_dispid;
    return Serve(control, [](ServedObject& served, const host::CommandBarControlPtr& object) {
        const host::ControlType type = object->Type();
        served.DefineAt(id::Type, u"Type", [type](const Arguments&) { return Variant::Long(static_cast<long>(type)); });
        const auto text = [&served, &object](DISPID at, std::u16string name, std::u16string (Control::*get)(),
                                             void (Control::*set)(const std::u16string&)) {
            served.DefineAt(
                at, std::move(name), [object, get](const Arguments&) { return Variant::String(((*object).*get)()); },
                [object, set](const Variant& v) { ((*object).*set)(v.AsString()); });
        };
        const auto flag = [&served, &object](DISPID at, std::u16string name, bool (Control::*get)(),
                                             void (Control::*set)(bool)) {
            served.DefineAt(
                at, std::move(name), [object, get](const Arguments&) { return Variant::Bool(((*object).*get)()); },
                [object, set](const Variant& v) { ((*object).*set)(v.AsBool()); });
        };
        text(id::Tag, u"Tag", &Control::Tag, &Control::SetTag);
        text(id::Caption, u"Caption", &Control::Caption, &Control::SetCaption);
        text(id::TooltipText, u"TooltipText", &Control::TooltipText, &Control::SetTooltipText);
        text(id::Parameter, u"Parameter", &Control::Parameter, &Control::SetParameter);
        flag(id::Visible, u"Visible", &Control::Visible, &Control::SetVisible);
        flag(id::Enabled, u"Enabled", &Control::Enabled, &Control::SetEnabled);
        served.DefineAt(id::Delete, u"Delete", [object](const Arguments& arguments) {
            object->Delete(BoolAt(arguments, 0, false));
            return Variant();
        });
        if (type == host::ControlType::Button) {
            served.DefineAt(
                id::ButtonStyle, u"Style", [object](const Arguments&) { return Variant::Long(object->Style()); },
                [object](const Variant& v) { object->SetStyle(static_cast<int>(v.AsLong())); });
            served.DefineAt(
                id::ButtonPicture, u"Picture",
                [](const Arguments&) -> Variant { throw std::invalid_argument("the face is write-only here"); },
                [object](const Variant& value) { object->SetPicture(PictureOf(value)); });
            served.DefineAt(
                id::ButtonMask, u"Mask",
                [](const Arguments&) -> Variant { throw std::invalid_argument("the mask is write-only here"); },
                [object](const Variant& value) { object->SetMask(PictureOf(value)); });
        } else if (type == host::ControlType::Popup) {
            served.DefineAt(id::PopupControls, u"Controls",
                            [object](const Arguments&) { return Object(ServeControls(object->Controls())); });
        } else {
            served.DefineAt(
                id::ComboBoxStyle, u"Style", [object](const Arguments&) { return Variant::Long(object->Style()); },
                [object](const Variant& v) { object->SetStyle(static_cast<int>(v.AsLong())); });
        }
        ForwardControlEvents(served, object, type);
    });
}

ComPtr<ServedObject> ServeCommandBar(const host::CommandBarPtr& bar) {
    using Bar = host::CommandBar;
    return Serve(bar, [](ServedObject& served, const host::CommandBarPtr& object) {
        served.Define(u"Name", [object](const Arguments&) { return Variant::String(object->Name()); });
        Property(served, u"NameLocal", object, [](Bar& b) { return Variant::String(b.NameLocal()); },
                 [](Bar& b, const Variant& v) { b.SetNameLocal(v.AsString()); });
        served.Define(u"Position", [object](const Arguments&) { return Variant::Long(static_cast<long>(object->Position())); });
        Property(served, u"Visible", object, [](Bar& b) { return Variant::Bool(b.Visible()); },
                 [](Bar& b, const Variant& v) { b.SetVisible(v.AsBool()); });
        Property(served, u"Enabled", object, [](Bar& b) { return Variant::Bool(b.Enabled()); },
                 [](Bar& b, const Variant& v) { b.SetEnabled(v.AsBool()); });
        served.Define(u"Controls", [object](const Arguments&) { return Object(ServeControls(object->Controls())); });
        served.Define(u"Delete", [object](const Arguments&) {
            object->Delete();
            return Variant();
        });
    });
}

ComPtr<ServedObject> ServeCommandBars(const host::CommandBarsPtr& bars) {
    return Serve(bars, [](ServedObject& served, const host::CommandBarsPtr& object) {
        Indexed(served, object, ServeCommandBar);
        // Add(Name, Position, MenuBar, Temporary)
        served.Define(u"Add", [object](const Arguments& arguments) {
            const auto position = static_cast<host::BarPosition>(LongAt(arguments, 1, static_cast<long>(host::BarPosition::Floating)));
            return Object(ServeCommandBar(object->Add(Required(arguments, 0).AsString(), position, BoolAt(arguments, 3, false))));
        });
        // FindControl(Type, Id, Tag, Visible)
        served.Define(u"FindControl", [object](const Arguments& arguments) {
            const auto type = static_cast<host::ControlType>(Required(arguments, 0).AsLong());
            return Object(ServeControl(object->FindControl(type, Required(arguments, 2).AsString())));
        });
    });
}

void DefineCommandBars(ServedObject& served, const host::WindowPtr& window) {
    served.Define(u"CommandBars", [window](const Arguments&) { return Object(ServeCommandBars(window->CommandBars())); });
}

// An object with one text property, for the editors' selections.
ComPtr<ServedObject> ServeText(std::u16string name, std::u16string text) {
    auto served = MakeServed();
    served->Define(std::move(name), [text = std::move(text)](const Arguments&) { return Variant::String(text); });
    return served;
}

// One member answering an object, served anew on each call.
ComPtr<ServedObject> ServeChain(std::u16string name, std::function<ComPtr<ServedObject>()> next) {
    auto served = MakeServed();
    served->Define(std::move(name), [next = std::move(next)](const Arguments&) { return Object(next()); });
    return served;
}

ComPtr<ServedObject> ServeInspector(const host::InspectorPtr& inspector) {
    return Serve(inspector, [](ServedObject& served, const host::InspectorPtr& object) {
        DefineCommandBars(served, object);
        served.Define(u"CurrentItem", [object](const Arguments&) { return Object(ServeItem(object->CurrentItem())); });
        served.Define(u"Caption", [object](const Arguments&) { return Variant::String(object->Caption()); });
        served.Define(u"IsWordMail", [object](const Arguments&) { return Variant::Bool(object->IsWordMail()); });
        // WordEditor: Word's Document, Nothing unless the editor is Word. Its ActiveWindow's
        // Selection is this message's; Application.Selection is Word's active window's, which
        // may be another message's.
        served.Define(u"WordEditor", [object](const Arguments&) {
            const auto sim = std::dynamic_pointer_cast<host::sim::SimInspector>(object);
            if (!object->IsWordMail()) return Variant::Dispatch(nullptr);
            auto document = MakeServed();
            document->Define(u"ActiveWindow", [object](const Arguments&) {
                return Object(ServeChain(u"Selection", [object] { return ServeText(u"Text", object->WordSelectionText()); }));
            });
            document->Define(u"Application", [object, sim](const Arguments&) {
                return Object(ServeChain(u"Selection", [object, sim] {
                    const auto& other = sim ? sim->State().application_selection : std::nullopt;
                    return ServeText(u"Text", other ? *other : object->WordSelectionText());
                }));
            });
            return Variant::Dispatch(document.Get());
        });
        // HTMLEditor.selection.createRange().text; Nothing where there is no HTML editor
        // document (deprecated since Outlook 2007, where Word edits every message).
        served.Define(u"HTMLEditor", [object](const Arguments&) {
            const auto sim = std::dynamic_pointer_cast<host::sim::SimInspector>(object);
            if (sim && !sim->State().html_selection) return Variant::Dispatch(nullptr);
            return Object(ServeChain(u"selection", [object] {
                return ServeChain(u"createRange", [object] { return ServeText(u"text", object->HtmlSelectionText()); });
            }));
        });
    });
}

ComPtr<ServedObject> ServeOutlookBarGroups(const std::shared_ptr<host::OutlookBarGroups>& groups) {
    return Serve(groups, [](ServedObject& served, const auto& object) {
        Indexed(served, object, [](const std::shared_ptr<host::OutlookBarGroup>& group) {
            return Serve(group, [](ServedObject& one, const auto& held) {
                one.Define(u"Name", [held](const Arguments&) { return Variant::String(held->Name()); });
                one.Define(u"Shortcuts", [held](const Arguments&) {
                    return Object(Serve(held->Shortcuts(), [](ServedObject& shortcuts, const auto& list) {
                        const auto serve_shortcut = [](const std::shared_ptr<host::OutlookBarShortcut>& shortcut) {
                            return Serve(shortcut, [](ServedObject& entry, const auto& named) {
                                entry.Define(u"Name", [named](const Arguments&) { return Variant::String(named->Name()); });
                            });
                        };
                        Indexed(shortcuts, list, serve_shortcut);
                        shortcuts.Define(u"Add", [list, serve_shortcut](const Arguments& arguments) {
                            return Object(serve_shortcut(list->Add(*HostObjectAt<host::Folder>(arguments, 0),
                                                                   Required(arguments, 1).AsString())));
                        });
                    }));
                });
            });
        });
    });
}

ComPtr<ServedObject> ServePanes(const std::shared_ptr<host::Panes>& panes) {
    return Serve(panes, [](ServedObject& served, const auto& object) {
        Indexed(served, object, [](const std::shared_ptr<host::Pane>& pane) {
            return Serve(pane, [](ServedObject& one, const auto& held) {
                // Only the Outlook Bar has Contents.Groups.
                if (const auto bar = held->QueryOutlookBarPane()) {
                    one.Define(u"Contents", [bar](const Arguments&) {
                        return Object(ServeChain(u"Groups", [bar] { return ServeOutlookBarGroups(bar->Groups()); }));
                    });
                }
            });
        });
    });
}

ComPtr<ServedObject> ServeExplorer(const host::ExplorerPtr& explorer) {
    return Serve(explorer, [](ServedObject& served, const host::ExplorerPtr& object) {
        DefineCommandBars(served, object);
        served.Define(u"CurrentFolder", [object](const Arguments&) { return Object(ServeFolder(object->CurrentFolder())); });
        served.Define(u"Selection", [object](const Arguments&) {
            return Object(Serve(object->Selection(), [](ServedObject& selection, const auto& items) { Indexed(selection, items, ServeItem); }));
        });
        served.Define(u"Panes", [object](const Arguments&) { return Object(ServePanes(object->Panes())); });
        // SelectionChange and Close share the explorer's event interface.
        Forward(served, DIID_ExplorerEvents_10, [object](ServedObject& source) {
            auto selection = object->OnSelectionChange([&source] { source.Raise(DIID_ExplorerEvents_10, DISPID_SelectionChange, {}); });
            auto close = object->OnClose([&source] { source.Raise(DIID_ExplorerEvents_10, DISPID_Close, {}); });
            auto both = std::make_shared<std::pair<host::Subscription, host::Subscription>>(std::move(selection), std::move(close));
            return host::Subscription([both] {
                both->first.Reset();
                both->second.Reset();
            });
        });
    });
}

ComPtr<ServedObject> ServeWindow(const host::WindowPtr& window) {
    if (const auto explorer = std::dynamic_pointer_cast<host::Explorer>(window)) return ServeExplorer(explorer);
    if (const auto inspector = std::dynamic_pointer_cast<host::Inspector>(window)) return ServeInspector(inspector);
    return Serve(window, [](ServedObject& served, const host::WindowPtr& object) { DefineCommandBars(served, object); });
}

ComPtr<ServedObject> ServeExplorers(const std::shared_ptr<host::Explorers>& explorers) {
    return Serve(explorers, [](ServedObject& served, const auto& object) {
        Indexed(served, object, ServeExplorer);
        Forward(served, DIID_ExplorersEvents, [object](ServedObject& source) {
            return object->OnNewExplorer([&source](const host::ExplorerPtr& explorer) {
                source.Raise(DIID_ExplorersEvents, DISPID_NewExplorer, {Object(ServeExplorer(explorer))});
            });
        });
    });
}

ComPtr<ServedObject> ServeInspectors(const std::shared_ptr<host::Inspectors>& inspectors) {
    return Serve(inspectors, [](ServedObject& served, const auto& object) {
        served.Define(u"Count", [object](const Arguments&) { return Variant::Long(object->Count()); });
        Forward(served, DIID_InspectorsEvents, [object](ServedObject& source) {
            return object->OnNewInspector([&source](const host::InspectorPtr& inspector) {
                source.Raise(DIID_InspectorsEvents, DISPID_NewInspector, {Object(ServeInspector(inspector))});
            });
        });
    });
}

// What a COM add-in entry keeps as its Object: the add-in's automation object.
struct HeldDispatch final : host::AddinObject {
    explicit HeldDispatch(ComPtr<IDispatch> held) : dispatch(std::move(held)) {}
    ComPtr<IDispatch> dispatch;
};

ComPtr<ServedObject> ServeComAddIns(const std::shared_ptr<host::ComAddIns>& add_ins) {
    return Serve(add_ins, [](ServedObject& served, const auto& object) { Indexed(served, object, ServeComAddIn); });
}

}  // namespace

ComPtr<ServedObject> ServeComAddIn(const std::shared_ptr<host::ComAddIn>& add_in) {
    auto served = Serve(add_in, [](ServedObject& one, const std::shared_ptr<host::ComAddIn>& object) {
        auto kept = std::make_shared<ComPtr<IDispatch>>();
        one.Define(u"ProgId", [object](const Arguments&) { return Variant::String(object->ProgId()); });
        one.Define(
            u"Object", [kept](const Arguments&) { return Variant::Dispatch(kept->Get()); },
            [object, kept](const Variant& value) {
                *kept = value.AsDispatch();
                object->SetObject(*kept ? std::make_shared<HeldDispatch>(*kept) : nullptr);
            });
    });
    if (served) served->Answers(IID_ComAddIn);
    return served;
}

void LimitOpenItems(long limit) { OpenItems().limit = limit; }
long OpenItemsNow() { return OpenItems().open; }

ComPtr<ServedObject> ServeApplication(const host::ApplicationPtr& application) {
    auto served = Serve(application, [](ServedObject& one, const host::ApplicationPtr& object) {
        one.Define(u"GetNamespace", [object](const Arguments& arguments) {
            return Object(ServeNamespace(object->GetNamespace(Required(arguments, 0).AsString())));
        });
        one.Define(u"Session", [object](const Arguments&) { return Object(ServeNamespace(object->Session())); });
        one.Define(u"ActiveExplorer", [object](const Arguments&) { return Object(ServeExplorer(object->ActiveExplorer())); });
        one.Define(u"ActiveInspector", [object](const Arguments&) { return Object(ServeInspector(object->ActiveInspector())); });
        one.Define(u"ActiveWindow", [object](const Arguments&) { return Object(ServeWindow(object->ActiveWindow())); });
        one.Define(u"Explorers", [object](const Arguments&) { return Object(ServeExplorers(object->Explorers())); });
        one.Define(u"Inspectors", [object](const Arguments&) { return Object(ServeInspectors(object->Inspectors())); });
        one.Define(u"COMAddIns", [object](const Arguments&) { return Object(ServeComAddIns(object->COMAddIns())); });
        // The stand-in keeps running until the test ends, whoever asks it to quit.
        one.Define(u"Quit", [](const Arguments&) { return Variant(); });
        // ApplicationEvents_11 (Outlook 2003 and later): the add-in listens to Quit.
        Forward(one, DIID_ApplicationEvents_11, [object](ServedObject& source) {
            return object->OnQuit([&source] { source.Raise(DIID_ApplicationEvents_11, DISPID_Quit, {}); });
        });
    });
    if (served) served->Answers(IID_OutlookApplication);
    return served;
}

}  // namespace tarn::outlook
