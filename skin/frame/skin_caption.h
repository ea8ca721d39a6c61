// TSkinCaption: the caption-button component a form may carry beside its skin data. Zembrel's
// main window keeps only its author field; the component adds nothing to the caption bar.
#pragma once

#include <string>

#include "framework/classes.h"

namespace zembrel {

class TSkinCaption final : public zfw::TComponent {
  ZFW_CLASS(TSkinCaption)
 public:
  explicit TSkinCaption(zfw::TComponent* owner) : zfw::TComponent(owner) {}
  const std::string& Author() const { return author_; }
  void SetAuthor(const std::string& author) { author_ = author; }

 private:
  std::string author_;
};

}  // namespace zembrel
