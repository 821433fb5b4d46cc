#pragma once
// The private print scheduler of this test program, started before the first
// test so that every printer lookup of the process goes to it.
#include "support/cupsfixture.h"

testsupport::CupsFixture &privateCups();
