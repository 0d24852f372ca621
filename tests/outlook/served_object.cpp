#include "tests/outlook/served_object.h"

#include <olectl.h>

#include <algorithm>

#include "platform/codepage.h"

namespace tarn::outlook {

namespace {

// Asked of an automation object, it answers with the served object itself (stand-in only).
constexpr IID IID_ServedObject = {0x7A3C1F52, 0x2B6E, 0x4C1D, {0x9E, 0x4F, 0x51, 0x0B, 0x3D, 0x6A, 0x88, 0x17}};

bool SameName(std::u16string_view left, std::u16string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char16_t a, char16_t b) {
        const auto lower = [](char16_t ch) { return (ch >= u'A' && ch <= u'Z') ? static_cast<char16_t>(ch - u'A' + u'a') : ch; };
        return lower(a) == lower(b);
    });
}

// What a failed member tells its caller: its text and its code.
void Describe(EXCEPINFO* exception, const std::exception& error, HRESULT code) {
    if (exception == nullptr) return;
    *exception = EXCEPINFO{};
    const std::u16string text = platform::Widen(error.what());
    exception->bstrDescription = SysAllocString(reinterpret_cast<const OLECHAR*>(text.c_str()));
    exception->scode = code;
}

}  // namespace

// One connection point: the sinks advised for one event dispinterface.
class ServedObject::Point final : public IConnectionPoint {
public:
    Point(ServedObject& owner, const IID& events, Watch watch) : owner_(owner), events_(events), watch_(std::move(watch)) {}

    const IID& Events() const noexcept { return events_; }
    std::vector<platform::ComPtr<IDispatch>> Sinks() const {
        std::vector<platform::ComPtr<IDispatch>> sinks;
        for (const auto& [cookie, sink] : sinks_) sinks.push_back(sink);
        return sinks;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
            *out = static_cast<IConnectionPoint*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release([this] { delete this; }); }
    STDMETHODIMP GetConnectionInterface(IID* iid) override {
        *iid = events_;
        return S_OK;
    }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override {
        *container = &owner_;
        owner_.AddRef();
        return S_OK;
    }
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override {
        if (sink == nullptr || cookie == nullptr) return E_POINTER;
        auto dispatch = platform::ComPtr<IUnknown>(sink).As<IDispatch>(events_);
        if (!dispatch) return CONNECT_E_CANNOTCONNECT;
        *cookie = ++last_cookie_;
        sinks_.emplace_back(*cookie, std::move(dispatch));
        if (sinks_.size() == 1 && watch_) watch_(true);
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD cookie) override {
        const auto found = std::find_if(sinks_.begin(), sinks_.end(), [cookie](const auto& entry) { return entry.first == cookie; });
        if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
        sinks_.erase(found);
        if (sinks_.empty() && watch_) watch_(false);
        return S_OK;
    }
    STDMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    ~Point() = default;

    ServedObject& owner_;
    IID events_;
    Watch watch_;
    std::vector<std::pair<DWORD, platform::ComPtr<IDispatch>>> sinks_;
    DWORD last_cookie_ = 0;
    platform::ReferenceCount references_;
};

ServedObject::ServedObject() = default;
ServedObject::~ServedObject() = default;

platform::ComPtr<ServedObject> MakeServed() { return platform::ComPtr<ServedObject>::Adopt(new ServedObject()); }

void ServedObject::Define(std::u16string name, Member get, Putter put) {
    // The smallest number still free: clear of Office's own, which are large.
    DISPID id = 1;
    while (members_.contains(id)) ++id;
    DefineAt(id, std::move(name), std::move(get), std::move(put));
}

void ServedObject::DefineAt(DISPID id, std::u16string name, Member get, Putter put) {
    ids_[name] = id;
    members_[id] = Entry{std::move(name), std::move(get), std::move(put)};
}

void ServedObject::Events(const IID& events, Watch watch) {
    points_.push_back(platform::ComPtr<Point>::Adopt(new Point(*this, events, std::move(watch))));
}

void ServedObject::Raise(const IID& events, DISPID member, Arguments arguments) {
    // A sink may let go of this object while it is told (a click moves the listener to the
    // control used): the object and its points live until every sink has been told.
    const platform::ComPtr<ServedObject> alive(this);
    const auto points = points_;
    for (const auto& point : points) {
        if (!IsEqualIID(point->Events(), events)) continue;
        std::vector<VARIANT> reversed;
        for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) reversed.push_back(argument->Raw());
        for (const auto& sink : point->Sinks()) {
            DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
            sink->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
        }
    }
}

std::vector<platform::ComPtr<IDispatch>> ServedObject::Sinks(const IID& events) const {
    for (const auto& point : points_) {
        if (IsEqualIID(point->Events(), events)) return point->Sinks();
    }
    return {};
}

ServedObject* ServedObject::From(IDispatch* dispatch) {
    if (dispatch == nullptr) return nullptr;
    ServedObject* served = nullptr;
    if (FAILED(dispatch->QueryInterface(IID_ServedObject, reinterpret_cast<void**>(&served)))) return nullptr;
    served->Release();  // the caller's argument keeps it alive
    return served;
}

STDMETHODIMP ServedObject::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    const bool extra = std::any_of(extra_interfaces_.begin(), extra_interfaces_.end(),
                                   [&iid](const IID& answered) { return IsEqualIID(iid, answered); });
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || extra) {
        *out = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer) && !points_.empty()) {
        *out = static_cast<IConnectionPointContainer*>(this);
    } else if (IsEqualIID(iid, IID_ServedObject)) {
        *out = this;
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ServedObject::AddRef() { return references_.AddRef(); }

STDMETHODIMP_(ULONG) ServedObject::Release() { return references_.Release([this] { delete this; }); }

STDMETHODIMP ServedObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP ServedObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ServedObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (count != 1) return DISP_E_UNKNOWNNAME;  // no named arguments in the stand-in
    const std::u16string_view wanted(reinterpret_cast<const char16_t*>(names[0]));
    for (const auto& [name, id] : ids_) {
        if (SameName(name, wanted)) {
            ids[0] = id;
            return S_OK;
        }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP ServedObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                  EXCEPINFO* exception, UINT*) {
    const auto found = members_.find(member);
    if (found == members_.end()) return DISP_E_MEMBERNOTFOUND;
    const Entry& entry = found->second;
    try {
        if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
            if (!entry.put || parameters == nullptr || parameters->cArgs < 1) return DISP_E_MEMBERNOTFOUND;
            Variant value;
            VariantCopyInd(value.Get(), &parameters->rgvarg[0]);
            entry.put(value);
            return S_OK;
        }
        Arguments arguments;
        if (parameters != nullptr) {
            for (UINT i = parameters->cArgs; i-- > 0;) {
                Variant copy;
                VariantCopyInd(copy.Get(), &parameters->rgvarg[i]);
                arguments.push_back(std::move(copy));
            }
        }
        Variant value = entry.get(arguments);
        if (result != nullptr) {
            VariantInit(result);
            *result = value.Raw();
            VariantInit(value.Get());  // the caller owns it now
        }
        return S_OK;
    } catch (const ServedError& error) {
        Describe(exception, error, error.Code());
        return DISP_E_EXCEPTION;
    } catch (const std::exception& error) {
        Describe(exception, error, E_FAIL);
        return DISP_E_EXCEPTION;
    }
}

STDMETHODIMP ServedObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    *points = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ServedObject::FindConnectionPoint(REFIID events, IConnectionPoint** point) {
    for (const auto& candidate : points_) {
        if (IsEqualIID(candidate->Events(), events)) {
            *point = candidate.Get();
            candidate->AddRef();
            return S_OK;
        }
    }
    *point = nullptr;
    return CONNECT_E_NOCONNECTION;
}

}  // namespace tarn::outlook
