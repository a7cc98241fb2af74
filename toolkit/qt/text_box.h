#pragma once

// The multi-line edit boxes (编辑框3, 编辑框2): text wrapped at the box's width, no border, a
// vertical scroll bar only while the text overflows, and a password mode in which every
// character shows as "*" while the box keeps the real text.

#include <QPlainTextEdit>
#include <QString>
#include <functional>

namespace toolkit::qtwidgets {

class TextBox final : public QPlainTextEdit {
 public:
  explicit TextBox(QWidget* parent = nullptr);

  /// The real text, also in password mode; line breaks as "\n".
  QString realText() const;
  /// Replaces the text; "\r\n" and "\n" both break lines.
  void setRealText(const QString& text);

  bool passwordMode() const { return password_; }
  /// On: the box shows one "*" per character, for the text it holds and for what is typed,
  /// pasted or entered later; nothing can be copied out of it. Off: the real text shows.
  void setPasswordMode(bool on);

  /// 0 left, 1 centred; applies at once and keeps the text.
  void setCentred(bool centred);

  /// Called with the program's key code on every key press, before the box handles the key.
  std::function<void(int keyCode)> keyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  /// Password mode: replaces the selection in the real text and the same span of stars.
  void replaceSelection(const QString& text);
  void showStars();
  void syncRemoval(int position, int charsRemoved, int charsAdded);

  bool password_ = false;
  bool writingStars_ = false;  // our own edit of the star text is under way
  QString hidden_;             // the real text while in password mode
};

}  // namespace toolkit::qtwidgets
