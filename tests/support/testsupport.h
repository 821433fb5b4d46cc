#pragma once
// Small helpers shared by the tests.
#include <QString>

namespace testsupport {

// Root of the source tree and the folder of the built executables (set by CTest).
QString sourceDir();
QString binDir();

} // namespace testsupport
