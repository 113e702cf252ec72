// Resource identifiers shared by the resource script and the code. The dialogs' own ids are in
// dialog_ids.h, beside the dialogs.
#ifndef VANTOR_RESOURCE_H
#define VANTOR_RESOURCE_H

#include "dialog_ids.h"

#define IDB_CONTROL 1  // design-time and toolbox bitmap
#define IDI_CONTROL 1  // the control's icon, in the About box

// ---- About box ----
#define IDD_ABOUT_BOX 1
#define IDC_ABOUT_LINK 250
#define IDC_ABOUT_VERSION 251

#endif  // VANTOR_RESOURCE_H
