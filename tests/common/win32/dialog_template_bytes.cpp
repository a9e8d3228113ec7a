// Binary dialog templates (dialog_template_bytes.h).
#include "common/win32/dialog_template_bytes.h"

#include <string_view>

namespace dsuptest::win32 {

namespace {

class TemplateWriter {
 public:
  template <typename Value>
  void put(Value value) {
    const auto* bytes = reinterpret_cast<const BYTE*>(&value);
    bytes_.insert(bytes_.end(), bytes, bytes + sizeof value);
  }

  // A zero-terminated UTF-16 text; null is an empty text.
  void putText(const char16_t* text) {
    for (char16_t unit : std::u16string_view(text ? text : u"")) put(static_cast<WORD>(unit));
    put(WORD{0});
  }

  void alignToDword() { bytes_.resize((bytes_.size() + 3) & ~std::size_t{3}); }

  std::vector<BYTE> take() { return std::move(bytes_); }

 private:
  std::vector<BYTE> bytes_;
};

}  // namespace

std::vector<BYTE> dialogTemplateBytes(const DialogTemplate& dialogTemplate) {
  TemplateWriter writer;
  writer.put(DWORD{dialogTemplate.style});
  writer.put(DWORD{0});  // extended style
  writer.put(static_cast<WORD>(dialogTemplate.items.size()));
  for (short value : {dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy}) writer.put(value);
  writer.put(WORD{0});  // no menu
  writer.put(WORD{0});  // the dialog class
  writer.putText(dialogTemplate.caption);
  for (const DialogItem& item : dialogTemplate.items) {
    writer.alignToDword();
    writer.put(DWORD{item.style | WS_CHILD});
    writer.put(DWORD{0});  // extended style
    for (short value : {item.x, item.y, item.cx, item.cy}) writer.put(value);
    writer.put(static_cast<WORD>(item.id));
    writer.putText(item.className);
    writer.putText(item.text);
    writer.put(WORD{0});  // no creation data
  }
  return writer.take();
}

}  // namespace dsuptest::win32
