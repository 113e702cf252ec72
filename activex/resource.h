// Resource identifiers shared by the resource script and the code. The dialogs' own ids are in
// dialog_ids.h, beside the dialogs.
#ifndef VANTOR_RESOURCE_H
#define VANTOR_RESOURCE_H

#include "dialog_ids.h"

#define IDB_CONTROL 1  // design-time and toolbox bitmap

#endif  // VANTOR_RESOURCE_H
