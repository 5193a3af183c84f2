// One configuration at a time per installation on a machine: a second run that started while the
// first copies data would copy the same files or configure on top of it.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

class InstallationLock {
public:
    // Takes the installation's lock, named after its full path in lower case; raises "Another
    // configuration of "<folder>" is running." at once when another run holds it, and an error
    // with the system's reason when the lock cannot be had: without it nothing is excluded.
    InstallationLock(Platform& platform, const std::string& installFolder);
    ~InstallationLock();
    InstallationLock(const InstallationLock&) = delete;
    InstallationLock& operator=(const InstallationLock&) = delete;

private:
    Platform& platform_;
    std::string name_;
};

}  // namespace orl
