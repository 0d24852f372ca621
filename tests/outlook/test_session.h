#pragma once

#include "tests/outlook/installation.h"

namespace tarn::outlook {

// The add-in installed and registered once for the whole test program, as on a user's
// machine every Outlook session meets the same installation: made at first use, removed when
// the program ends.
Installation& InstalledAddin();

}  // namespace tarn::outlook
