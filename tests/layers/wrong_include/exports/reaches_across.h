#pragma once

// An export header that reaches into the backup, a folder of the same floor:
// the layer check must refuse it.
#include "archive/backup_archive.h"
