// The identifiers of the type library, its interfaces and the control class, from the IDL, and
// those of the property pages, which the type library does not describe.
#ifndef VANTOR_IDS_H
#define VANTOR_IDS_H

#include "vantor_h.h"

inline constexpr wchar_t kVantorProgId[] = L"VANTOR.VantorCtrl.3";

inline constexpr CLSID CLSID_VantorGeneralPage = {
    0x102b258e, 0xe82d, 0x4272, {0xab, 0x04, 0x0a, 0x98, 0x9d, 0x49, 0x58, 0x0c}};
inline constexpr CLSID CLSID_VantorDictionariesPage = {
    0x0efcd562, 0xa68d, 0x4852, {0xbd, 0x72, 0x90, 0x42, 0x68, 0x38, 0xa7, 0x4b}};
inline constexpr CLSID CLSID_VantorSuggestionsPage = {
    0xf79fb558, 0x3be0, 0x4759, {0x93, 0x21, 0x4c, 0x57, 0x37, 0x35, 0xb2, 0x92}};

inline constexpr wchar_t kGeneralPageProgId[] = L"VANTOR.VantorPropPage.1";
inline constexpr wchar_t kDictionariesPageProgId[] = L"Vantor.CVantorDictPropPage";
inline constexpr wchar_t kSuggestionsPageProgId[] = L"Vantor.CVantorSuggestionsPropPage";

#endif  // VANTOR_IDS_H
