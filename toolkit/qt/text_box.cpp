#include "toolkit/qt/text_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "toolkit/qt/gbk_text.h"
#include "toolkit/qt/key_codes.h"

namespace toolkit::qtwidgets {

namespace {

constexpr QChar kMask = QLatin1Char('*');

QString stars(qsizetype count) {
  return QString(count, kMask);
}

bool isTypedText(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return false;
  }
  const QString text = event.text();
  return !text.isEmpty() && std::none_of(text.begin(), text.end(), [](QChar c) {
    return c.category() == QChar::Other_Control;
  });
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setTabChangesFocus(true);
  document()->setDocumentMargin(2);
  // Edits that the box makes on its own (deleting a word, for instance) remove stars; the
  // real text loses the same span.
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int position, int removed, int added) { syncRemoval(position, removed, added); });
}

QString TextBox::realText() const {
  return password_ ? hidden_ : toPlainText();
}

void TextBox::setRealText(const QString& text) {
  const QString lines = toWidgetLines(text);
  if (password_) {
    hidden_ = lines;
    showStars();
  } else {
    setPlainText(lines);
  }
}

void TextBox::setPasswordMode(bool on) {
  if (on == password_) return;
  if (on) {
    hidden_ = toPlainText();
    password_ = true;
    showStars();
  } else {
    password_ = false;
    const QString text = hidden_;
    hidden_.clear();
    setPlainText(text);
  }
  setUndoRedoEnabled(!on);
  setAcceptDrops(!on);
  setContextMenuPolicy(on ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

void TextBox::setCentred(bool centred) {
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
  document()->setDefaultTextOption(option);
  // The plain-text layout reads the option when it lays a block out: lay them all out again.
  document()->markContentsDirty(0, document()->characterCount());
  viewport()->update();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (keyDown) keyDown(programKeyCode(*event));
  if (!password_) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    replaceSelection(QStringLiteral("\n"));
    event->accept();
    return;
  }
  if (isTypedText(*event)) {
    replaceSelection(event->text());
    event->accept();
    return;
  }
  // Moving, selecting, deleting and pasting: the box does it; removals reach the real text
  // through syncRemoval, pastes through insertFromMimeData.
  QPlainTextEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!password_) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  // Only the committed text counts; a composition in progress is not shown in a masked box.
  if (!event->commitString().isEmpty()) replaceSelection(event->commitString());
  event->accept();
}

void TextBox::insertFromMimeData(const QMimeData* source) {
  if (!password_) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  if (source != nullptr && source->hasText()) replaceSelection(toWidgetLines(source->text()));
}

QMimeData* TextBox::createMimeDataFromSelection() const {
  if (password_) return new QMimeData;  // nothing leaves a masked box
  return QPlainTextEdit::createMimeDataFromSelection();
}

void TextBox::replaceSelection(const QString& text) {
  QTextCursor cursor = textCursor();
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  hidden_.replace(start, end - start, text);
  {
    const QScopedValueRollback guard(writingStars_, true);
    cursor.insertText(stars(text.size()));
  }
  setTextCursor(cursor);
}

void TextBox::showStars() {
  const QScopedValueRollback guard(writingStars_, true);
  setPlainText(stars(hidden_.size()));
}

void TextBox::syncRemoval(int position, int charsRemoved, int charsAdded) {
  if (!password_ || writingStars_) return;
  // A change with as many characters added as removed restyles text without changing it.
  if (charsRemoved == charsAdded) return;
  // The document counts one more character than the text (its final paragraph end).
  const int start = std::clamp(position, 0, static_cast<int>(hidden_.size()));
  const int removed = std::clamp(charsRemoved, 0, static_cast<int>(hidden_.size()) - start);
  hidden_.replace(start, removed, stars(std::max(0, charsAdded)));
}

}  // namespace toolkit::qtwidgets
