#include "browser/TCurlLibrary.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/services/SharedLibrary.h"

namespace {

// A function of the library by name, stored into its pointer.
template <typename TFunction>
bool Take(void* library, const char* name, TFunction& function, std::string& error) {
    if (TakeFunction(library, name, function)) return true;
    error = std::string("the transfer library lacks ") + name;
    return false;
}

bool TakeAll(void* h, TCurlLibrary& l, std::string& error) {
    return Take(h, "curl_easy_init", l.EasyInit, error) &&
           Take(h, "curl_easy_cleanup", l.EasyCleanup, error) &&
           Take(h, "curl_easy_setopt", l.EasySetopt, error) &&
           Take(h, "curl_easy_getinfo", l.EasyGetinfo, error) &&
           Take(h, "curl_easy_strerror", l.EasyStrerror, error) &&
           Take(h, "curl_multi_init", l.MultiInit, error) &&
           Take(h, "curl_multi_cleanup", l.MultiCleanup, error) &&
           Take(h, "curl_multi_add_handle", l.MultiAddHandle, error) &&
           Take(h, "curl_multi_remove_handle", l.MultiRemoveHandle, error) &&
           Take(h, "curl_multi_perform", l.MultiPerform, error) &&
           Take(h, "curl_multi_poll", l.MultiPoll, error) &&
           Take(h, "curl_multi_wakeup", l.MultiWakeup, error) &&
           Take(h, "curl_multi_info_read", l.MultiInfoRead, error);
}

std::unique_ptr<TCurlLibrary> Open(const std::string& file, std::string& error) {
    void* handle = OpenSharedLibrary(file, TLibraryBinding::lbAtOnce, error);
    if (!handle) return nullptr;
    auto library = std::make_unique<TCurlLibrary>();
    using TGlobalInit = decltype(&curl_global_init);
    TGlobalInit globalInit = nullptr;
    if (!TakeAll(handle, *library, error) || !Take(handle, "curl_global_init", globalInit, error))
        return nullptr; // left loaded: unloading a half-used library is not worth the risk
    if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        error = "the transfer library could not start";
        return nullptr;
    }
    return library;
}

} // namespace

const TCurlLibrary* TCurlLibrary::Load(const std::string& file, std::string& error) {
    // Loaded libraries are kept for the process's life: transfers of other
    // fetchers may still use them, and the library's set-up runs once.
    static std::mutex lock;
    static std::map<std::string, std::unique_ptr<TCurlLibrary>> loaded;
    const std::lock_guard<std::mutex> guard(lock);
    auto it = loaded.find(file);
    if (it != loaded.end()) return it->second.get();
    std::unique_ptr<TCurlLibrary> library = Open(file, error);
    if (!library) return nullptr;
    return loaded.emplace(file, std::move(library)).first->second.get();
}
