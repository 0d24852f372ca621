#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win32/com_ptr.h"

namespace tarn::host::com {

// Owns one VARIANT (cleared when let go), and reads it as the add-in wants it. The readers
// raise std::invalid_argument naming what was expected when the value is of another kind
// that does not convert; the caller names the member.
class Variant {
public:
    Variant() noexcept { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant& other);
    Variant& operator=(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;

    static Variant Long(long value);
    static Variant Bool(bool value);
    static Variant String(std::u16string_view text);
    static Variant Dispatch(IDispatch* object);
    static Variant Unknown(IUnknown* object);
    // An optional argument left out (VT_ERROR DISP_E_PARAMNOTFOUND).
    static Variant Missing();

    VARIANT* Get() noexcept { return &value_; }
    const VARIANT& Raw() const noexcept { return value_; }
    VARTYPE Type() const noexcept { return value_.vt; }
    bool IsEmpty() const noexcept { return value_.vt == VT_EMPTY || value_.vt == VT_NULL; }

    long AsLong() const;
    bool AsBool() const;
    std::u16string AsString() const;
    // Null for Nothing (an empty object).
    platform::ComPtr<IDispatch> AsDispatch() const;
    platform::ComPtr<IUnknown> AsUnknown() const;

private:
    VARIANT value_;
};

}  // namespace tarn::host::com
