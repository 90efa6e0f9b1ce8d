#pragma once
// The simulator fixture lives in the test support library; this name stays for the tests that
// still include it from here.
#include "support/simulator_fixture.h"
