// WindowRegistry: one SkinWindowRecord per skinned top-level window, found through the window
// properties that hold the record's 1-based position.
#pragma once

#include <windows.h>

#include "runtime/counted_array.h"
#include "skin/engine/records.h"

namespace skin {

extern runtime::CountedArray<SkinWindowRecord> WindowRegistry;

// Appends a deep copy of `record` (the caller keeps and frees its own); returns the new record's
// index, which is the registry's new count.
int AppendRecord(const SkinWindowRecord& record);

// Frees record `index` with everything it owns; later records move one position toward the front.
// Every remaining record j then gets Hw_lbID = j on its window, Hw_FuID = j on the window of every
// entry of its nine control lists, and Kj_FuID = j on every colourKeyList entry's window.
void RemoveRecord(int index);

// The record index in `window`'s Hw_lbID property when it names a record (1..count), else 0.
int RecordIndexFromProperty(HWND window);

// Position of the first record whose window is `window`; 0 when none.
int FindRecordIndex(HWND window);

// An integer property value as SetPropA stores it, and back.
inline HANDLE PropertyValue(INT_PTR value) { return reinterpret_cast<HANDLE>(value); }
inline int PropertyInt(HWND window, const char* name) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

}  // namespace skin
