#pragma once
// Everything an end-to-end test needs in one include: programs started and
// ended with the test (ChildProcess, TestWindowProcess), the observable
// stand-in taskbar (FakeTaskbar), in-process foreign windows
// (ForeignWindowThread), window queries and waits, and raw registry access.
#include "ChildProcess.h"
#include "CommandLineQuoting.h"
#include "FakeTaskbar.h"
#include "ForeignWindowThread.h"
#include "HarnessPaths.h"
#include "HexBytes.h"
#include "HkcuRegistry.h"
#include "ProgramLog.h"
#include "TestProgramProtocol.h"
#include "TestWindowProcess.h"
#include "TrayLog.h"
#include "WindowQueries.h"
#include "WinePath.h"
