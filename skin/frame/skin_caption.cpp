#include "skin/frame/skin_caption.h"

#include "framework/class_builder.h"

namespace zembrel {

const zfw::TClassInfo& TSkinCaption::StaticClass() {
  static const zfw::TClassInfo& info =
      zfw::registered<TSkinCaption>(zfw::ClassBuilder<TSkinCaption>("TSkinCaption", zfw::TComponent::StaticClass())
                                        .creatable()
                                        .string("Author", &TSkinCaption::Author, &TSkinCaption::SetAuthor)
                                        .done());
  return info;
}

}  // namespace zembrel
