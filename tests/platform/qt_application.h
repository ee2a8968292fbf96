// The Qt application object that tests of the Qt adapters need for their event loops.
#pragma once

#include <memory>

#include <QCoreApplication>

namespace belvo::test {

// A core application when none exists yet (destroy it at the end of the suite); null when the
// process already has one.
inline std::unique_ptr<QCoreApplication> EnsureCoreApplication()
{
    if (QCoreApplication::instance() != nullptr) return nullptr;
    static int argc = 1;
    static char name[] = "belvo-tests";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace belvo::test
