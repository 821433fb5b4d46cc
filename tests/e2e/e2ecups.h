#pragma once
// The one private CUPS scheduler of the end-to-end test program. Every test
// file prints through it: a second scheduler would take over CUPS_SERVER
// while the process-wide printer list keeps the first, so jobs would land in
// another queue's folder. It is started before the first test, before
// anything in the process asks for a printer, and stopped after the last.
#include "support/cupsfixture.h"

testsupport::CupsFixture &e2eCups();
