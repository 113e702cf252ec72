// The identifiers of the type library, its interfaces and the control class, from the IDL.
#ifndef VANTOR_IDS_H
#define VANTOR_IDS_H

#include "vantor_h.h"

inline constexpr wchar_t kVantorProgId[] = L"VANTOR.VantorCtrl.3";

#endif  // VANTOR_IDS_H
