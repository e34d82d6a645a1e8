#pragma once
// Everything an end-to-end test needs in one include: programs started and
// ended with the test (ChildProcess, TestWindowProcess), the observable
// stand-in taskbar (FakeTaskbar), in-process foreign windows
// (ForeignWindowThread), window queries and waits, and raw registry access.
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeTaskbar.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/HarnessPaths.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/OpenMenuKeys.h"
#include "tests/support/TestProgramProtocol.h"
#include "tests/support/TestWindowProcess.h"
#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"
#include "tests/support/pure/HexBytes.h"
#include "tests/support/pure/ProgramLog.h"
#include "tests/support/pure/TrayLog.h"
#include "tests/support/pure/WinePath.h"
