#pragma once
// The control panel the targets that need one share: the test doubles with the standard
// pack, made once and kept for every run (making one a run would cost most of the run).
#include "fakes/fake_system.h"

namespace tzp::fuzz {

inline fakes::FakeSystem& PackSystem() {
    static fakes::FakeSystem* sys = [] {
        auto* s = new fakes::FakeSystem;
        s->InstallStandardPack();
        s->registry.keepLog = false;
        return s;
    }();
    return *sys;
}

}  // namespace tzp::fuzz
