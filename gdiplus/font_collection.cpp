// FontCollection: reading the family list.
#include "gdiplus/font_collection.h"

#include <vector>

#include "gdiplus/font_family.h"

namespace gdip {

int32_t FontCollection::GetFamilies(int32_t sought, runtime::CountedArray<FontFamily>& families) {
  if (sought < 1) {
    LastGdipStatus = kInvalidParameter;
    return 0;
  }
  families = runtime::CountedArray<FontFamily>(sought);
  std::vector<Gdiplus::GpFontFamily*> list(static_cast<size_t>(sought), nullptr);
  INT found = 0;
  if (!Action(GDIP_FLAT(GdipGetFontCollectionFamilyList), collection_, sought, list.data(), &found)) {
    return found;
  }
  // The listed families belong to the collection: each element receives a copy of its own, which
  // its wrapper deletes.
  for (int32_t i = 1; i <= found && i <= sought; ++i) {
    Into(families[i], GDIP_FLAT(GdipCloneFontFamily), list[static_cast<size_t>(i - 1)]);
  }
  return found;
}

}  // namespace gdip
