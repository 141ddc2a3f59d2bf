// Operation tables of the GDI+ wrappers: the array types their rows pass, the helpers their rows
// call, and the row expansions that turn each row into a member function of its class.
#pragma once

#include <cstdint>

#include "gdiplus/native_wrapper.h"
#include "runtime/counted_array.h"

namespace gdip {

using PointsF = runtime::CountedArray<PointF>;
using PointsI = runtime::CountedArray<PointI>;
using RectsF = runtime::CountedArray<RectF>;
using RectsI = runtime::CountedArray<RectI>;
using Reals = runtime::CountedArray<REAL>;
using Colours = runtime::CountedArray<ARGB>;
using Bytes = runtime::CountedArray<uint8_t>;
// Matrices, custom line caps, image attributes, cached bitmaps and metafiles have no classes of
// their own: any wrapper holding one serves.
using AnyWrapper = NativeWrapper;

// The GDI+ object of an optional wrapper argument (null when none is given).
inline void* NativeOf(const NativeWrapper* wrapper) {
  return wrapper ? wrapper->GetNative() : nullptr;
}

// Refuses a call whose arguments GDI+ would misread (two arrays of different lengths under one
// count, a count beyond its array): status 2, false, and GDI+ is not called.
inline bool RejectInvalidParameter() {
  LastGdipStatus = kInvalidParameter;
  return false;
}

// A transform about a centre in three calls, every status stored, the last one deciding: with
// order 0 (prepend) translate by the centre, apply, translate back; with any other order the
// other way round.
template <typename Translate, typename Apply>
bool AboutCentre(const PointF& centre, int32_t order, Translate translate, Apply apply) {
  const REAL sign = order != 0 ? -1.0f : 1.0f;
  translate(sign * centre.X, sign * centre.Y);
  apply();
  return translate(-sign * centre.X, -sign * centre.Y);
}

// The count-then-fill getters: asks `count` for n (on failure returns 0 and leaves the arrays),
// resizes each array to n zeroed elements, lets `fill` write them (its status stored), returns n.
template <typename CountFn, typename FillFn, typename Object, typename... Arrays>
int32_t CountThenFill(CountFn count, FillFn fill, Object* object, Arrays&... arrays) {
  INT n = 0;
  LastGdipStatus = flat::Invoke(count, object, &n);
  if (LastGdipStatus != kOk) return 0;
  ((arrays.Clear(), arrays.Resize(n)), ...);
  LastGdipStatus = flat::Invoke(fill, object, arrays.Data()..., n);
  return n;
}

}  // namespace gdip

// Rows: ROW(kind, flat function, parameters, arguments after the object pointer). The argument
// list starts with a comma when it is not empty; a default value is written GDIP_OPT(value), so
// that it appears in the declaration only; an operation on a const object writes `const` after its
// parameters. Kinds: ACTION (true on success), TEST (output BOOL as bool), CREATE (the new object
// replaces the wrapper's pointer; the arguments are the function's own), INTO (the new object goes
// to the parameter `target`), GET_<type> / VALUE_<type> (the output, whatever the status), and
// BY_HAND / BY_HAND_<type> for operations written out by hand (declared from the row only).
//
// Expansions, each with GDIP_OPT(value) defined around it:
// - in the class, operations defined there: GDIP_INLINE_ROW(pointer field, row...) (`= value`);
// - in the class, operations defined in the .cpp file: GDIP_DECLARE_ROW(row...) (`= value`),
//   and in the .cpp file GDIP_DEFINE_ROW(class, pointer field, row...) (empty).
#define GDIP_UNWRAP(...) __VA_ARGS__

#define GDIP_RESULT_ACTION bool
#define GDIP_RESULT_TEST bool
#define GDIP_RESULT_CREATE bool
#define GDIP_RESULT_INTO bool
#define GDIP_RESULT_GET_INT int32_t
#define GDIP_RESULT_GET_UINT uint32_t
#define GDIP_RESULT_GET_U16 uint16_t
#define GDIP_RESULT_GET_REAL REAL
#define GDIP_RESULT_GET_ARGB ARGB
#define GDIP_RESULT_GET_HRGN HRGN
#define GDIP_RESULT_GET_HDC HDC
#define GDIP_RESULT_GET_HICON HICON
#define GDIP_RESULT_VALUE_POINTF PointF
#define GDIP_RESULT_VALUE_POINTI PointI
#define GDIP_RESULT_VALUE_RECTF RectF
#define GDIP_RESULT_VALUE_RECTI RectI
#define GDIP_RESULT_BY_HAND bool
#define GDIP_RESULT_BY_HAND_INT int32_t
#define GDIP_RESULT_BY_HAND_UINT uint32_t
#define GDIP_RESULT_BY_HAND_RECTF RectF
#define GDIP_RESULT_BY_HAND_RECTI RectI
#define GDIP_RESULT_BY_HAND_BYTESET runtime::ByteSet

#define GDIP_BODY_ACTION(name, self, args) Action(GDIP_FLAT(name), self GDIP_UNWRAP args)
#define GDIP_BODY_TEST(name, self, args) Test(GDIP_FLAT(name), self GDIP_UNWRAP args)
#define GDIP_BODY_CREATE(name, self, args) Create(GDIP_FLAT(name) GDIP_UNWRAP args)
#define GDIP_BODY_INTO(name, self, args) Into(target, GDIP_FLAT(name), self GDIP_UNWRAP args)
#define GDIP_BODY_GET(type, name, self, args) Get<type>(GDIP_FLAT(name), self GDIP_UNWRAP args)
#define GDIP_BODY_GET_INT(name, self, args) GDIP_BODY_GET(int32_t, name, self, args)
#define GDIP_BODY_GET_UINT(name, self, args) GDIP_BODY_GET(uint32_t, name, self, args)
#define GDIP_BODY_GET_U16(name, self, args) GDIP_BODY_GET(uint16_t, name, self, args)
#define GDIP_BODY_GET_REAL(name, self, args) GDIP_BODY_GET(REAL, name, self, args)
#define GDIP_BODY_GET_ARGB(name, self, args) GDIP_BODY_GET(ARGB, name, self, args)
#define GDIP_BODY_GET_HRGN(name, self, args) GDIP_BODY_GET(HRGN, name, self, args)
#define GDIP_BODY_GET_HDC(name, self, args) GDIP_BODY_GET(HDC, name, self, args)
#define GDIP_BODY_GET_HICON(name, self, args) GDIP_BODY_GET(HICON, name, self, args)
#define GDIP_BODY_VALUE_POINTF(name, self, args) GDIP_BODY_GET(PointF, name, self, args)
#define GDIP_BODY_VALUE_POINTI(name, self, args) GDIP_BODY_GET(PointI, name, self, args)
#define GDIP_BODY_VALUE_RECTF(name, self, args) GDIP_BODY_GET(RectF, name, self, args)
#define GDIP_BODY_VALUE_RECTI(name, self, args) GDIP_BODY_GET(RectI, name, self, args)

// Whether a kind's operations are generated from their rows or written out by hand: each form
// picks one of two expansions.
#define GDIP_GENERATED(generated, byHand) generated
#define GDIP_WRITTEN_BY_HAND(generated, byHand) byHand
#define GDIP_FORM_ACTION GDIP_GENERATED
#define GDIP_FORM_TEST GDIP_GENERATED
#define GDIP_FORM_CREATE GDIP_GENERATED
#define GDIP_FORM_INTO GDIP_GENERATED
#define GDIP_FORM_GET_INT GDIP_GENERATED
#define GDIP_FORM_GET_UINT GDIP_GENERATED
#define GDIP_FORM_GET_U16 GDIP_GENERATED
#define GDIP_FORM_GET_REAL GDIP_GENERATED
#define GDIP_FORM_GET_ARGB GDIP_GENERATED
#define GDIP_FORM_GET_HRGN GDIP_GENERATED
#define GDIP_FORM_GET_HDC GDIP_GENERATED
#define GDIP_FORM_GET_HICON GDIP_GENERATED
#define GDIP_FORM_VALUE_POINTF GDIP_GENERATED
#define GDIP_FORM_VALUE_POINTI GDIP_GENERATED
#define GDIP_FORM_VALUE_RECTF GDIP_GENERATED
#define GDIP_FORM_VALUE_RECTI GDIP_GENERATED
#define GDIP_FORM_BY_HAND GDIP_WRITTEN_BY_HAND
#define GDIP_FORM_BY_HAND_INT GDIP_WRITTEN_BY_HAND
#define GDIP_FORM_BY_HAND_UINT GDIP_WRITTEN_BY_HAND
#define GDIP_FORM_BY_HAND_RECTF GDIP_WRITTEN_BY_HAND
#define GDIP_FORM_BY_HAND_RECTI GDIP_WRITTEN_BY_HAND
#define GDIP_FORM_BY_HAND_BYTESET GDIP_WRITTEN_BY_HAND

// A generated operation: its definition in the class, or in the .cpp file.
#define GDIP_INLINE_DEFINITION(self, kind, name, params, args) \
  GDIP_RESULT_##kind name params { return GDIP_BODY_##kind(name, self, args); }
#define GDIP_OUTSIDE_DEFINITION(cls, self, kind, name, params, args) \
  GDIP_RESULT_##kind cls::name params { return GDIP_BODY_##kind(name, self, args); }
// An operation written out by hand: its declaration in the class; nothing in the .cpp file.
#define GDIP_DECLARATION(self, kind, name, params, args) GDIP_RESULT_##kind name params;
#define GDIP_NOTHING(cls, self, kind, name, params, args)

// In a class that defines its operations in place: one definition per row (one declaration per
// BY_HAND row); `self` is the class's own pointer field.
#define GDIP_INLINE_ROW(self, kind, name, params, args) \
  GDIP_FORM_##kind(GDIP_INLINE_DEFINITION, GDIP_DECLARATION)(self, kind, name, params, args)
// In a class whose operations are defined in its .cpp file: one declaration per row.
#define GDIP_DECLARE_ROW(kind, name, params, args) GDIP_RESULT_##kind name params;
// In that .cpp file: one definition per generated row.
#define GDIP_DEFINE_ROW(cls, self, kind, name, params, args) \
  GDIP_FORM_##kind(GDIP_OUTSIDE_DEFINITION, GDIP_NOTHING)(cls, self, kind, name, params, args)
