#include "skin/data/skin_elements.h"

#include <algorithm>

#include "skin/storage/text_lines.h"

namespace zembrel {

TDataSkinObject* TSkinElements::Find(const std::string& name) const {
  for (const auto& e : elements_)
    if (SameTextAscii(e->Name, name)) return e.get();
  return nullptr;
}

TDataSkinObject* TSkinElements::Put(std::unique_ptr<TDataSkinObject> element) {
  if (!element) return nullptr;
  Remove(element->Name);
  elements_.push_back(std::move(element));
  return elements_.back().get();
}

void TSkinElements::Remove(const std::string& name) {
  std::erase_if(elements_, [&](const std::unique_ptr<TDataSkinObject>& e) { return SameTextAscii(e->Name, name); });
}

}  // namespace zembrel
