#include "host/com/com_host.h"

#include <oleauto.h>

#include <string>

#include "host/com/com_objects.h"
#include "host/com/outlook_ids.h"
#include "host/host_error.h"

namespace tarn::host::com {

namespace {

class ComHostApplication final : public host::HostApplication {
public:
    ComHostApplication(ComSessionPtr session, platform::ComPtr<IDispatch> application)
        : session_(std::move(session)), application_(std::move(application)) {}

    ApplicationPtr AsOutlookApplication() override {
        const auto outlook = application_.As<IDispatch>(IID_OutlookApplication);
        return outlook ? std::make_shared<ComApplication>(session_, outlook) : nullptr;
    }

private:
    ComSessionPtr session_;
    platform::ComPtr<IDispatch> application_;
};

// An Outlook reached for the add-in's removal; one started for it is asked to quit at the end.
class ReachedOutlook final : public host::ReachedHost {
public:
    ReachedOutlook(ComSessionPtr session, platform::ComPtr<IDispatch> application, bool started)
        : application_(std::make_shared<ComApplication>(std::move(session), std::move(application))), started_(started) {}
    ~ReachedOutlook() override {
        if (!started_) return;
        try {
            application_->Automation().Call(u"Quit");
        } catch (const HostError&) {
            // An Outlook that will not quit stays; the removal is done either way.
        }
    }
    ApplicationPtr Application() override { return application_; }

private:
    std::shared_ptr<ComApplication> application_;
    bool started_;
};

class ComHostLauncher final : public host::HostLauncher {
public:
    explicit ComHostLauncher(ComSessionPtr session) : session_(std::move(session)) {}

    std::unique_ptr<host::ReachedHost> Reach(std::u16string_view application_prog_id) override {
        const std::string member = "HostLauncher.Reach";
        const std::u16string prog_id(application_prog_id);
        CLSID clsid{};
        HRESULT result = CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(prog_id.c_str()), &clsid);
        if (FAILED(result)) throw HostError(member, FailureText(result, nullptr));
        platform::ComPtr<IUnknown> running;
        if (SUCCEEDED(GetActiveObject(clsid, nullptr, running.Put())) && running) {
            if (auto dispatch = running.As<IDispatch>(IID_IDispatch)) {
                return std::make_unique<ReachedOutlook>(session_, std::move(dispatch), false);
            }
        }
        platform::ComPtr<IDispatch> started;
        result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(started.Put()));
        if (FAILED(result)) throw HostError(member, FailureText(result, nullptr));
        return std::make_unique<ReachedOutlook>(session_, std::move(started), true);
    }

private:
    ComSessionPtr session_;
};

}  // namespace

host::HostApplicationPtr WrapHostApplication(ComSessionPtr session, platform::ComPtr<IDispatch> application) {
    if (!application) throw HostError("OnConnection", "the host gave no application");
    return std::make_shared<ComHostApplication>(std::move(session), std::move(application));
}

std::shared_ptr<host::ComAddIn> WrapAddInEntry(ComSessionPtr session, platform::ComPtr<IDispatch> add_in) {
    const auto entry = add_in.As<IDispatch>(IID_ComAddIn);
    return entry ? std::make_shared<ComComAddIn>(std::move(session), entry) : nullptr;
}

std::unique_ptr<host::HostLauncher> MakeComHostLauncher(ComSessionPtr session) {
    return std::make_unique<ComHostLauncher>(std::move(session));
}

}  // namespace tarn::host::com
