#pragma once

#include <atomic>

namespace tarn::win {

// What keeps the library loaded: its live COM objects and the locks on its class factory.
// DllCanUnloadNow answers from these. And whether the process loaded it to register or
// unregister it (regsvr32): an add-in object connected there leaves its start-up out.
class ModuleLifetime {
public:
    static void ObjectCreated() noexcept { ++objects_; }
    static void ObjectDestroyed() noexcept { --objects_; }
    static void Lock() noexcept { ++locks_; }
    static void Unlock() noexcept { --locks_; }
    static bool CanUnload() noexcept { return objects_ == 0 && locks_ == 0; }
    static void RegistrationCalled() noexcept { loaded_for_registration_ = true; }
    static bool LoadedForRegistration() noexcept { return loaded_for_registration_; }

private:
    static inline std::atomic<long> objects_{0};
    static inline std::atomic<long> locks_{0};
    static inline std::atomic<bool> loaded_for_registration_{false};
};

}  // namespace tarn::win
