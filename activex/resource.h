// Resource identifiers shared by the resource script and the code.
#ifndef VANTOR_RESOURCE_H
#define VANTOR_RESOURCE_H

#define IDB_CONTROL 1           // design-time and toolbox bitmap
#define IDS_CONTROL_NAME 1      // the control's display name
#define IDS_REPLACE_NO_SPACE 203  // an automatic replacement did not fit the text

#endif  // VANTOR_RESOURCE_H
