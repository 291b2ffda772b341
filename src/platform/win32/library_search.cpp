#include "platform/win32/library_search.h"

#include <windows.h>

#include "platform/win32/late_bound.h"

namespace tzp::platform {

namespace {

// Late-bound: the policy exists from Windows 10 on, and an import of it would stop the
// program from starting anywhere older.
void PreferSystemImages() {
    static const auto setPolicy = LateBound<decltype(SetProcessMitigationPolicy)>(
        L"kernel32.dll", "SetProcessMitigationPolicy");
    if (setPolicy == nullptr) {
        return;
    }
    PROCESS_MITIGATION_IMAGE_LOAD_POLICY policy{};
    policy.NoRemoteImages = 1;
    policy.NoLowMandatoryLabelImages = 1;
    policy.PreferSystem32Images = 1;
    // A system that knows the function but not the policy refuses it; nothing is lost.
    (void)setPolicy(ProcessImageLoadPolicy, &policy, sizeof policy);
}

}  // namespace

void RestrictLibrarySearch() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
    PreferSystemImages();
}

}  // namespace tzp::platform
