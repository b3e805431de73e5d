#pragma once

// The number masks live beside the one checker in core; this name stays for
// the filter until it includes them from there.
#include "core/numbermask.h"
