#pragma once

#include <windows.h>
#include <ocidl.h>
#include <oaidl.h>

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/com/variant.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/reference_count.h"

namespace tarn::outlook {

using host::com::Variant;
using Arguments = std::vector<Variant>;  // first argument first

// A failure a member reports with an error code of its own rather than E_FAIL.
class ServedError : public std::runtime_error {
public:
    ServedError(HRESULT code, const std::string& text) : std::runtime_error(text), code_(code) {}
    HRESULT Code() const noexcept { return code_; }

private:
    HRESULT code_;
};

// An object of the stand-in Outlook, served through IDispatch by member name, with connection
// points for the events it raises. What a member raises becomes DISP_E_EXCEPTION with the
// error's text as the description, as Outlook reports its own failures.
class ServedObject : public IDispatch, public IConnectionPointContainer {
public:
    using Member = std::function<Variant(const Arguments& arguments)>;
    using Putter = std::function<void(const Variant& value)>;
    // Told when the first sink advises on a connection point, and when the last one leaves.
    using Watch = std::function<void(bool watched)>;

    ServedObject();
    ServedObject(const ServedObject&) = delete;
    ServedObject& operator=(const ServedObject&) = delete;

    // A property or a method (Outlook's automation treats them alike for reading), under a
    // DISPID of the stand-in's choosing.
    void Define(std::u16string name, Member get, Putter put = {});
    // The same under the DISPID Office's type library gives it, where members of one name have
    // different DISPIDs on different interfaces and a caller that mixes them up must fail.
    void DefineAt(DISPID id, std::u16string name, Member get, Putter put = {});
    // An event dispinterface this object raises, and what to do when it gets watched.
    void Events(const IID& events, Watch watch);
    // Calls every sink advised for `events` with the event's arguments (first first).
    void Raise(const IID& events, DISPID member, Arguments arguments);
    // The sinks advised for `events` now, first advised first.
    std::vector<platform::ComPtr<IDispatch>> Sinks(const IID& events) const;
    // Another interface identifier the object answers (as Outlook's _Application).
    void Answers(const IID& iid) { extra_interfaces_.push_back(iid); }
    // The substitute's object this one serves, for members that take it back as an argument
    // (the destination folder of Move).
    template <class Host>
    void Hold(std::shared_ptr<Host> object) {
        held_ = std::move(object);
    }
    // Something that lives as long as this object does.
    void Keep(std::shared_ptr<const void> companion) { kept_.push_back(std::move(companion)); }
    template <class Host>
    std::shared_ptr<Host> Held() const {
        const auto* held = std::any_cast<std::shared_ptr<Host>>(&held_);
        return held != nullptr ? *held : nullptr;
    }

    // The served object behind an automation object of the stand-in, or null.
    static ServedObject* From(IDispatch* dispatch);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT*) override;
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID events, IConnectionPoint** point) override;

protected:
    virtual ~ServedObject();

private:
    class Point;
    struct Entry {
        std::u16string name;
        Member get;
        Putter put;
    };

    platform::ReferenceCount references_;
    std::map<DISPID, Entry> members_;
    std::map<std::u16string, DISPID> ids_;
    std::vector<platform::ComPtr<Point>> points_;
    std::vector<IID> extra_interfaces_;
    std::any held_;
    std::vector<std::shared_ptr<const void>> kept_;
};

// A new served object, owned by the returned pointer.
platform::ComPtr<ServedObject> MakeServed();

}  // namespace tarn::outlook
