// Saving and loading through a property bag, a stream and a storage; IObjectSafety and the
// restricted mode it switches on.
#include <objsafe.h>
#include <ocidl.h>

#include <cstring>
#include <map>

#include "com_fixture.h"

namespace trov::test {
namespace {

// A container's property bag: named values in memory.
class MemoryBag final : public IPropertyBag {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyBag)) {
      *object = static_cast<IPropertyBag*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    const auto found = values.find(name);
    if (found == values.end()) return E_INVALIDARG;
    return VariantCopy(value, found->second.get());
  }
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
    Var copy;
    VariantCopy(copy.get(), value);
    values[name] = copy;
    return S_OK;
  }

  std::map<std::wstring, Var> values;
};

using PersistenceTest = ControlTest;

void ChangeSomeProperties(AutomationClient& control) {
  control.Put(L"IgnoreNonAlphaWords", Var::Bool(false));
  control.Put(L"IgnoreHTMLMarkups", Var::Bool(true));
  control.Put(L"IgnoreMixedCaseWords", Var::Bool(false));
  control.Put(L"MaxSuggestions", Var::Short(7));
  control.Put(L"DialogLeft", Var::Long(33));
  control.Put(L"ShowDialog", Var::Bool(false));
  control.Put(L"SuggestionScoreRange", Var::Short(20));
  control.Put(L"MainDictionaryFiles", Var::Text(L"trovam.tlx"));
}

void ExpectChangedProperties(AutomationClient& control) {
  EXPECT_EQ(control.Number(L"IgnoreNonAlphaWords"), 0);
  EXPECT_EQ(control.Number(L"IgnoreHTMLMarkups"), -1);
  EXPECT_EQ(control.Number(L"IgnoreMixedCaseWords"), 0);
  EXPECT_EQ(control.Number(L"MaxSuggestions"), 7);
  EXPECT_EQ(control.Number(L"DialogLeft"), 33);
  EXPECT_EQ(control.Number(L"ShowDialog"), 0);
  EXPECT_EQ(control.Number(L"SuggestionScoreRange"), 20);
  EXPECT_EQ(control.Text(L"MainDictionaryFiles"), L"trovam.tlx");
  EXPECT_EQ(control.Number(L"MainDictionaryCount"), 1);
  EXPECT_EQ(control.Text(L"UserDictionaryFiles"), L"userdic.tlx,correct.tlx");
}

TEST_F(PersistenceTest, PropertyBagKeepsOnlyValuesThatDifferFromTheirDefaults) {
  AutomationClient source = NewControl();
  ChangeSomeProperties(source);
  ComRef<IPersistPropertyBag> saver =
      Query<IPersistPropertyBag>(source.dispatch(), IID_IPersistPropertyBag);
  ComRef<IPersistStreamInit> dirty =
      Query<IPersistStreamInit>(source.dispatch(), IID_IPersistStreamInit);
  EXPECT_EQ(dirty->IsDirty(), S_OK);
  MemoryBag bag;
  ASSERT_EQ(saver->Save(&bag, TRUE, FALSE), S_OK);
  EXPECT_EQ(dirty->IsDirty(), S_FALSE);
  EXPECT_EQ(bag.values.count(L"IgnoreNonAlphaWords"), 1u);
  EXPECT_EQ(bag.values.count(L"MaxSuggestions"), 1u);
  EXPECT_EQ(bag.values.count(L"ShowContext"), 0u);
  EXPECT_EQ(bag.values.count(L"CaseSensitive"), 0u);
  EXPECT_EQ(bag.values.count(L"UserDictionaryFiles"), 0u);
  EXPECT_EQ(bag.values.count(L"SuggestionDepth"), 0u);  // not persisted
  EXPECT_EQ(bag.values[L"MainDictionaryFiles"].text(), L"trovam.tlx");
  // Nothing beyond the first form differs from its default: saved as form 1.0.
  EXPECT_EQ(bag.values.count(L"RankedSuggestions"), 0u);
  EXPECT_EQ(bag.values[L"_Version"].number(), 0x10000);

  AutomationClient target(AutomationClient::CreateControl());
  ComRef<IPersistPropertyBag> loader =
      Query<IPersistPropertyBag>(target.dispatch(), IID_IPersistPropertyBag);
  ASSERT_EQ(loader->Load(&bag, nullptr), S_OK);
  ExpectChangedProperties(target);
  EXPECT_EQ(Query<IPersistStreamInit>(target.dispatch(), IID_IPersistStreamInit)->IsDirty(),
            S_FALSE);
}

TEST_F(PersistenceTest, StreamCarriesEveryValueInOrder) {
  AutomationClient source = NewControl();
  ChangeSomeProperties(source);
  ComRef<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
  ComRef<IPersistStreamInit> saver =
      Query<IPersistStreamInit>(source.dispatch(), IID_IPersistStreamInit);
  ASSERT_EQ(saver->Save(stream.Get(), TRUE), S_OK);
  ULARGE_INTEGER end{};
  stream->Seek({}, STREAM_SEEK_CUR, &end);
  ULARGE_INTEGER maximum{};
  saver->GetSizeMax(&maximum);
  EXPECT_LE(end.QuadPart, maximum.QuadPart);
  stream->Seek({}, STREAM_SEEK_SET, nullptr);
  unsigned char version[4] = {};
  stream->Read(version, sizeof(version), nullptr);
  // Form 1.0: nothing added after it differs from its default.
  EXPECT_EQ(std::memcmp(version, "\x01\x00\x00\x00", 4), 0);

  stream->Seek({}, STREAM_SEEK_SET, nullptr);
  AutomationClient target(AutomationClient::CreateControl());
  ComRef<IPersistStreamInit> loader =
      Query<IPersistStreamInit>(target.dispatch(), IID_IPersistStreamInit);
  ASSERT_EQ(loader->Load(stream.Get()), S_OK);
  ExpectChangedProperties(target);
}

// The control's stream form without its last bytes, in a new stream at its start.
ComRef<IStream> SavedStreamWithout(AutomationClient& source, ULONGLONG lastBytes) {
  ComRef<IStream> full;
  CreateStreamOnHGlobal(nullptr, TRUE, full.Put());
  Query<IPersistStreamInit>(source.dispatch(), IID_IPersistStreamInit)->Save(full.Get(), TRUE);
  ULARGE_INTEGER size{};
  full->Seek({}, STREAM_SEEK_CUR, &size);
  full->Seek({}, STREAM_SEEK_SET, nullptr);
  ComRef<IStream> cut;
  CreateStreamOnHGlobal(nullptr, TRUE, cut.Put());
  ULARGE_INTEGER copy{};
  copy.QuadPart = size.QuadPart - lastBytes;
  full->CopyTo(cut.Get(), copy, nullptr, nullptr);
  cut->Seek({}, STREAM_SEEK_SET, nullptr);
  return cut;
}

TEST_F(PersistenceTest, ADamagedStreamChangesNothing) {
  AutomationClient source = NewControl();
  ChangeSomeProperties(source);
  // Cut inside the user dictionary list, then a wrong version.
  ComRef<IStream> cut = SavedStreamWithout(source, 6);

  AutomationClient target = NewControl();
  ComRef<IPersistStreamInit> loader =
      Query<IPersistStreamInit>(target.dispatch(), IID_IPersistStreamInit);
  EXPECT_TRUE(FAILED(loader->Load(cut.Get())));
  EXPECT_EQ(target.Number(L"MaxSuggestions"), 16);

  ComRef<IStream> wrongVersion;
  CreateStreamOnHGlobal(nullptr, TRUE, wrongVersion.Put());
  const unsigned char header[] = {2, 0, 0, 0};
  wrongVersion->Write(header, sizeof(header), nullptr);
  wrongVersion->Seek({}, STREAM_SEEK_SET, nullptr);
  EXPECT_TRUE(FAILED(loader->Load(wrongVersion.Get())));
  EXPECT_EQ(target.Number(L"DialogLeft"), -1);
}

// A stream as a control of form 1.0 saved it: minor version 0 and no value after the user
// dictionaries.
ComRef<IStream> Form10Stream(AutomationClient& source) {
  ComRef<IStream> old = SavedStreamWithout(source, 2);  // the last value, a 16-bit Boolean
  LARGE_INTEGER minorAt{};
  minorAt.QuadPart = 2;
  old->Seek(minorAt, STREAM_SEEK_SET, nullptr);
  const uint16_t minor = 0;
  old->Write(&minor, sizeof minor, nullptr);
  old->Seek({}, STREAM_SEEK_SET, nullptr);
  return old;
}

TEST_F(PersistenceTest, AFormTenStreamLoadsWithTheRankingAtItsDefault) {
  AutomationClient source = NewControl();
  ChangeSomeProperties(source);
  source.Put(L"RankedSuggestions", Var::Bool(true));
  ComRef<IStream> old = Form10Stream(source);

  AutomationClient target = NewControl();
  target.Put(L"RankedSuggestions", Var::Bool(true));
  ASSERT_EQ(Query<IPersistStreamInit>(target.dispatch(), IID_IPersistStreamInit)->Load(old.Get()),
            S_OK);
  ExpectChangedProperties(target);
  EXPECT_EQ(target.Number(L"RankedSuggestions"), 0);
}

TEST_F(PersistenceTest, TheRankingRoundTripsAfterTheOtherValues) {
  AutomationClient source = NewControl();
  ChangeSomeProperties(source);
  source.Put(L"RankedSuggestions", Var::Bool(true));
  ComRef<IStream> stream;
  CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
  ASSERT_EQ(Query<IPersistStreamInit>(source.dispatch(), IID_IPersistStreamInit)
                ->Save(stream.Get(), TRUE),
            S_OK);
  // Form 1.1, two bytes longer than the same values with the ranking off (form 1.0), the
  // ranking's value last: a 16-bit true.
  ComRef<IStream> withoutRanking;
  CreateStreamOnHGlobal(nullptr, TRUE, withoutRanking.Put());
  source.Put(L"RankedSuggestions", Var::Bool(false));
  ASSERT_EQ(Query<IPersistStreamInit>(source.dispatch(), IID_IPersistStreamInit)
                ->Save(withoutRanking.Get(), FALSE),
            S_OK);
  source.Put(L"RankedSuggestions", Var::Bool(true));
  STATSTG with{}, without{};
  stream->Stat(&with, STATFLAG_NONAME);
  withoutRanking->Stat(&without, STATFLAG_NONAME);
  EXPECT_EQ(with.cbSize.QuadPart, without.cbSize.QuadPart + 2);
  const auto minorOf = [](IStream& saved) {
    LARGE_INTEGER at{};
    at.QuadPart = 2;
    saved.Seek(at, STREAM_SEEK_SET, nullptr);
    uint16_t minor = 99;
    saved.Read(&minor, sizeof minor, nullptr);
    return minor;
  };
  EXPECT_EQ(minorOf(*stream.Get()), 1);
  EXPECT_EQ(minorOf(*withoutRanking.Get()), 0);
  LARGE_INTEGER last{};
  last.QuadPart = -2;
  stream->Seek(last, STREAM_SEEK_END, nullptr);
  int16_t stored = 0;
  stream->Read(&stored, sizeof stored, nullptr);
  EXPECT_EQ(stored, 1);
  stream->Seek({}, STREAM_SEEK_SET, nullptr);
  AutomationClient fromStream = NewControl();
  ASSERT_EQ(
      Query<IPersistStreamInit>(fromStream.dispatch(), IID_IPersistStreamInit)->Load(stream.Get()),
      S_OK);
  ExpectChangedProperties(fromStream);
  EXPECT_EQ(fromStream.Number(L"RankedSuggestions"), -1);

  MemoryBag bag;
  ASSERT_EQ(Query<IPersistPropertyBag>(source.dispatch(), IID_IPersistPropertyBag)
                ->Save(&bag, TRUE, FALSE),
            S_OK);
  EXPECT_EQ(bag.values[L"RankedSuggestions"].number(), -1);
  EXPECT_EQ(bag.values[L"_Version"].number(), 0x10001);
  AutomationClient fromBag(AutomationClient::CreateControl());
  ASSERT_EQ(
      Query<IPersistPropertyBag>(fromBag.dispatch(), IID_IPersistPropertyBag)->Load(&bag, nullptr),
      S_OK);
  EXPECT_EQ(fromBag.Number(L"RankedSuggestions"), -1);
}

TEST_F(PersistenceTest, StorageHoldsTheStreamForm) {
  AutomationClient source = NewControl();
  ChangeSomeProperties(source);
  ComRef<ILockBytes> bytes;
  ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.Put()), S_OK);
  ComRef<IStorage> storage;
  ASSERT_EQ(StgCreateDocfileOnILockBytes(
                bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.Put()),
            S_OK);
  ASSERT_EQ(
      Query<IPersistStorage>(source.dispatch(), IID_IPersistStorage)->Save(storage.Get(), FALSE),
      S_OK);
  AutomationClient target(AutomationClient::CreateControl());
  ASSERT_EQ(Query<IPersistStorage>(target.dispatch(), IID_IPersistStorage)->Load(storage.Get()),
            S_OK);
  ExpectChangedProperties(target);
}

TEST_F(PersistenceTest, ResetReturnsToTheDefaults) {
  AutomationClient control = NewControl();
  ChangeSomeProperties(control);
  ASSERT_EQ(Query<IPersistPropertyBag>(control.dispatch(), IID_IPersistPropertyBag)->InitNew(),
            S_OK);
  EXPECT_EQ(control.Number(L"MaxSuggestions"), 16);
  EXPECT_EQ(control.Number(L"IgnoreNonAlphaWords"), -1);
  EXPECT_EQ(control.Text(L"MainDictionaryFiles"), L"trovam.tlx,trovam2.clx");
  EXPECT_EQ(control.Number(L"SuggestionScoreRange"), 50);
}

using SafetyTest = ControlTest;

TEST_F(SafetyTest, OptionsAreReportedAndSetPerInterfaceFamily) {
  AutomationClient control = NewControl();
  ComRef<IObjectSafety> safety = Query<IObjectSafety>(control.dispatch(), IID_IObjectSafety);
  ASSERT_TRUE(safety);
  DWORD supported = 0;
  DWORD enabled = 99;
  EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
  EXPECT_EQ(supported, 3u);
  EXPECT_EQ(enabled, 0u);
  EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, nullptr, &enabled), E_POINTER);
  EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IOleObject, &supported, &enabled), E_NOINTERFACE);
  EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IPersistMemory, &supported, &enabled),
            E_NOINTERFACE);  // listed, but not implemented

  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IOleObject, 0, 0), S_OK);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IOleObject, 1, 1), E_FAIL);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 2, 2), E_FAIL);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 3, 3), E_FAIL);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistStreamInit, 1, 1), E_FAIL);

  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 1, 1), S_OK);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistPropertyBag, 2, 2), S_OK);
  safety->GetInterfaceSafetyOptions(IID_IPersistStorage, &supported, &enabled);
  EXPECT_EQ(enabled, 3u);
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 1, 0), S_OK);
  safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled);
  EXPECT_EQ(enabled, 2u);
  // Only exactly the bit turns it on.
  EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistStreamInit, 2, 3), S_OK);
  safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled);
  EXPECT_EQ(enabled, 0u);
}

TEST_F(SafetyTest, RestrictedModeKeepsToTheOneUserDictionary) {
  AutomationClient control = NewControl();
  ComRef<IObjectSafety> safety = Query<IObjectSafety>(control.dispatch(), IID_IObjectSafety);
  ASSERT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 1, 1), S_OK);
  control.Call(L"AddUserDictionary", {Var::Text(L"other.tlx")});
  EXPECT_EQ(control.Number(L"ErrorCode"), -13);
  EXPECT_EQ(control.Put(L"UserDictionaryFiles", Var::Text(L"x.tlx")), S_OK);
  EXPECT_EQ(control.Number(L"ErrorCode"), -13);
  EXPECT_EQ(control.Text(L"UserDictionaryFiles"), L"userdic.tlx,correct.tlx");

  // Loading while marked safe ignores the stored list.
  MemoryBag bag;
  bag.values[L"UserDictionaryFiles"] = Var::Text(L"correct.tlx");
  ASSERT_EQ(
      Query<IPersistPropertyBag>(control.dispatch(), IID_IPersistPropertyBag)->Load(&bag, nullptr),
      S_OK);
  EXPECT_EQ(control.Text(L"UserDictionaryFiles"), L"userdic.tlx");
  EXPECT_EQ(control.Number(L"UserDictionaryCount"), 1);

  // Saved unreduced, against the restricted default.
  MemoryBag saved;
  ASSERT_EQ(Query<IPersistPropertyBag>(control.dispatch(), IID_IPersistPropertyBag)
                ->Save(&saved, TRUE, FALSE),
            S_OK);
  const std::wstring list = saved.values[L"UserDictionaryFiles"].text();
  EXPECT_NE(list.find(L'\\'), std::wstring::npos) << std::string(list.begin(), list.end());
  EXPECT_EQ(list.substr(list.size() - 12), L"\\userdic.tlx");
}

}  // namespace
}  // namespace trov::test
