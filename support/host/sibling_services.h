// What the library imports from its sibling libraries, loaded beside it in the host process:
// numbered texts and dialogs of a module (QXNLS01), message boxes and text helpers (QXUTIL02),
// formatted printing (QXFABS00), the fill and row range helpers (LUMOPORT32) and the authorization
// service (LumoManagedWrapper). The first four are imported by ordinal, the last by name.
#pragma once

#include <lumomanagedwrapper.h>
#include <lumoport32.h>
#include <qxfabs00.h>
#include <qxnls01.h>
#include <qxutil02.h>
