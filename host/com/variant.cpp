#include "host/com/variant.h"

#include <stdexcept>
#include <utility>

namespace tarn::host::com {

namespace {

// A copy of the value converted to `type`, or std::invalid_argument.
Variant Converted(const VARIANT& value, VARTYPE type, const char* expected) {
    Variant converted;
    // The OLE functions take the source by non-const pointer; they do not change it.
    if (FAILED(VariantChangeType(converted.Get(), const_cast<VARIANT*>(&value), 0, type))) {
        throw std::invalid_argument(std::string("the value is not ") + expected);
    }
    return converted;
}

}  // namespace

Variant::Variant(const Variant& other) {
    VariantInit(&value_);
    if (FAILED(VariantCopy(&value_, const_cast<VARIANT*>(&other.value_)))) throw std::bad_alloc();
}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        Variant copy(other);
        std::swap(value_, copy.value_);
    }
    return *this;
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

Variant Variant::Long(long value) {
    Variant made;
    made.value_.vt = VT_I4;
    made.value_.lVal = value;
    return made;
}

Variant Variant::Bool(bool value) {
    Variant made;
    made.value_.vt = VT_BOOL;
    made.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return made;
}

Variant Variant::String(std::u16string_view text) {
    Variant made;
    made.value_.bstrVal =
        SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
    if (made.value_.bstrVal == nullptr && !text.empty()) throw std::bad_alloc();
    made.value_.vt = VT_BSTR;
    return made;
}

Variant Variant::Dispatch(IDispatch* object) {
    Variant made;
    made.value_.vt = VT_DISPATCH;
    made.value_.pdispVal = object;
    if (object != nullptr) object->AddRef();
    return made;
}

Variant Variant::Unknown(IUnknown* object) {
    Variant made;
    made.value_.vt = VT_UNKNOWN;
    made.value_.punkVal = object;
    if (object != nullptr) object->AddRef();
    return made;
}

Variant Variant::Missing() {
    Variant made;
    made.value_.vt = VT_ERROR;
    made.value_.scode = DISP_E_PARAMNOTFOUND;
    return made;
}

long Variant::AsLong() const {
    if (value_.vt == VT_I4) return value_.lVal;
    return Converted(value_, VT_I4, "a number").Raw().lVal;
}

bool Variant::AsBool() const {
    if (value_.vt == VT_BOOL) return value_.boolVal != VARIANT_FALSE;
    return Converted(value_, VT_BOOL, "true or false").Raw().boolVal != VARIANT_FALSE;
}

std::u16string Variant::AsString() const {
    const VARIANT* text = &value_;
    Variant converted;
    if (value_.vt != VT_BSTR) {
        converted = Converted(value_, VT_BSTR, "a text");
        text = &converted.Raw();
    }
    if (text->bstrVal == nullptr) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(text->bstrVal), SysStringLen(text->bstrVal));
}

platform::ComPtr<IDispatch> Variant::AsDispatch() const {
    if (IsEmpty()) return nullptr;
    if (value_.vt == VT_DISPATCH) return platform::ComPtr<IDispatch>(value_.pdispVal);
    if (value_.vt == VT_UNKNOWN && value_.punkVal != nullptr) {
        return platform::ComPtr<IUnknown>(value_.punkVal).As<IDispatch>(IID_IDispatch);
    }
    if (value_.vt == VT_UNKNOWN) return nullptr;
    throw std::invalid_argument("the value is not an object");
}

platform::ComPtr<IUnknown> Variant::AsUnknown() const {
    if (IsEmpty()) return nullptr;
    if (value_.vt == VT_UNKNOWN) return platform::ComPtr<IUnknown>(value_.punkVal);
    if (value_.vt == VT_DISPATCH) return platform::ComPtr<IUnknown>(value_.pdispVal);
    throw std::invalid_argument("the value is not an object");
}

}  // namespace tarn::host::com
