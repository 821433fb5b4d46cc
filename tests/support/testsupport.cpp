#include "testsupport.h"

#include <QtGlobal>

namespace testsupport {

QString sourceDir() { return qEnvironmentVariable("LODERA_SOURCE_DIR"); }
QString binDir() { return qEnvironmentVariable("LODERA_BIN_DIR"); }

} // namespace testsupport
