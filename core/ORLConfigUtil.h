// The configuration core in one include: locations and settings files, data-set comparison,
// backup and folder copy, the configure operation and its report.
#pragma once

#include "core/Backup.h"
#include "core/Configure.h"
#include "core/DataSetComparison.h"
#include "core/InstallSettings.h"
#include "core/InstallationLock.h"
#include "core/Integers.h"
#include "core/Locations.h"
#include "core/SettingsFile.h"
#include "core/Text.h"
#include "core/WholeFiles.h"
