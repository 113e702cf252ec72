// The fence at a COM entry point: nothing thrown below it may cross the interface.
#ifndef VANTOR_GUARDED_H
#define VANTOR_GUARDED_H

#include <windows.h>

#include <new>

namespace trov {

// Runs body, turning anything thrown into a result.
template <typename Body>
HRESULT Guarded(Body&& body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace trov

#endif  // VANTOR_GUARDED_H
